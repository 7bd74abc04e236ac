// The press-and-release rule of the action buttons and the keys that stand
// for mouse buttons.
#include "actions/button_press.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

TEST(ButtonPress, ActsOnlyWhenThePressedButtonIsReleasedOverTheControl) {
    using R = std::optional<ButtonRole>;
    struct Case {
        const char* name;
        std::optional<MouseButton> pressed;
        MouseButton released;
        bool inside;
        R expected;
    };
    const Case cases[] = {
        {"left inside", MouseButton::Left, MouseButton::Left, true, ButtonRole::Action},
        {"middle inside", MouseButton::Middle, MouseButton::Middle, true, ButtonRole::Action},
        {"right inside", MouseButton::Right, MouseButton::Right, true, ButtonRole::Alternative},
        {"left outside", MouseButton::Left, MouseButton::Left, false, std::nullopt},
        {"right outside", MouseButton::Right, MouseButton::Right, false, std::nullopt},
        {"release without press", std::nullopt, MouseButton::Left, true, std::nullopt},
        {"another button released", MouseButton::Left, MouseButton::Right, true, std::nullopt},
    };
    for (const Case& c : cases) {
        ButtonPress press;
        if (c.pressed) press.press(*c.pressed);
        EXPECT_EQ(press.release(c.released, c.inside), c.expected) << c.name;
    }
}

TEST(ButtonPress, AReleaseEndsThePressAndLosingTheFocusCancelsIt) {
    ButtonPress press;
    press.press(MouseButton::Left);
    EXPECT_EQ(press.release(MouseButton::Left, true), ButtonRole::Action);
    EXPECT_EQ(press.release(MouseButton::Left, true), std::nullopt);
    press.press(MouseButton::Left);
    press.cancel();
    EXPECT_EQ(press.release(MouseButton::Left, true), std::nullopt);
}

TEST(KeyRoles, ButtonsAndFieldsTakeTheirKeys) {
    using R = std::optional<ButtonRole>;
    struct Case {
        KeyKind key;
        R button;
        R field;
    };
    const Case cases[] = {
        {KeyKind::Activate, ButtonRole::Action, ButtonRole::Action},
        {KeyKind::ContextMenu, ButtonRole::Alternative, ButtonRole::Alternative},
        {KeyKind::Navigation, std::nullopt, std::nullopt},
        {KeyKind::Other, std::nullopt, ButtonRole::Action},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buttonRoleOfKey(c.key), c.button) << int(c.key);
        EXPECT_EQ(fieldRoleOfKey(c.key), c.field) << int(c.key);
    }
}

}  // namespace
}  // namespace orvo
