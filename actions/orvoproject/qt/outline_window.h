#pragma once
// The outliner's window: the notes of the load, the outline as a tree (title,
// mark, file, line), and a line that tells what opening an entry did. A
// double click, Enter or the Open button (also through its accessible press
// action) opens the current entry in the editor.
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace orvo {

class Outliner;

class OutlineWindow : public QWidget {
    Q_OBJECT
public:
    explicit OutlineWindow(Outliner& outliner, QWidget* parent = nullptr);

    // The top left corner at `left`, `top`, kept on the screen; without
    // both the desktop places the window.
    void place();

private:
    void fillTree();
    void openEntry(int entry);
    void openCurrent();

    Outliner& outliner_;
    QLabel* notes_;
    QTreeWidget* tree_;
    QLabel* status_;
    QPushButton* open_;
};

}  // namespace orvo
