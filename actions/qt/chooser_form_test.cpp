// The chooser dialog offscreen: it shows the request, a click or Enter
// chooses, closing it chooses nothing.
#include "actions/qt/chooser_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

namespace orvo {
namespace {

class ChooserFormTest : public testing::Test {
protected:
    // Runs `user` once the dialog is up, then returns what it reported.
    ChooserResult chooseWith(std::function<void(QListWidget*)> user) {
        QTimer::singleShot(0, &form, [this, user] { user(form.findChild<QListWidget*>("ListView1")); });
        return form.choose(request);
    }

    ChooserForm form;
    ChooserRequest request {"Choose previewer type", {"xdvi (.dvi)", "evince (.dvi)"}, 10, 20, 30, 400, 300, "", 0};
};

TEST_F(ChooserFormTest, ShowsTheRequestAndAClickChoosesTheItem) {
    ChooserResult result = chooseWith([this](QListWidget* list) {
        EXPECT_EQ(form.windowTitle(), "Choose previewer type");
        EXPECT_EQ(form.pos(), QPoint(20, 30));
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), "evince (.dvi)");
        QPoint at = list->visualItemRect(list->item(1)).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &press);
        QApplication::sendEvent(list->viewport(), &release);
    });
    EXPECT_EQ(result.chosen, 1);
    EXPECT_EQ(result.width, 400);
    EXPECT_EQ(result.height, 300);
}

TEST_F(ChooserFormTest, EnterChoosesTheCurrentItemAndEscapeChoosesNothing) {
    ChooserResult entered = chooseWith([](QListWidget* list) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list, &enter);
    });
    EXPECT_EQ(entered.chosen, 0);
    ChooserResult closed = chooseWith([this](QListWidget*) { form.reject(); });
    EXPECT_EQ(closed.chosen, std::nullopt);
}

TEST_F(ChooserFormTest, AnEmptyListChoosesNothing) {
    request.items.clear();
    ChooserResult result = chooseWith([this](QListWidget* list) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list, &enter);
        form.reject();
    });
    EXPECT_EQ(result.chosen, std::nullopt);
}

}  // namespace
}  // namespace orvo
