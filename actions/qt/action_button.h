#pragma once
// An action button of the main window: a push button whose alternative (what
// its right mouse button does) assistive technology can ask for as the
// button's second action. The button only reports the request; the window's
// control filter runs it as it runs a right release.
#include <QPushButton>

namespace orvo {

class ActionButton : public QPushButton {
    Q_OBJECT
public:
    ActionButton(const QString& text, QWidget* parent);

    // Assistive technology asked for the alternative.
    void requestAlternative() { emit alternativeRequested(); }

signals:
    void alternativeRequested();
};

}  // namespace orvo
