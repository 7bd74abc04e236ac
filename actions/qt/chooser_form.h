#pragma once
// The chooser dialog "TForm2": a one-column list without header, each item
// with a small picture. A click on an item chooses it; Enter or Space on the
// current item does the same from the keyboard. Created once and reused.
#include <QDialog>

#include "actions/chooser_view.h"

class QListWidget;

namespace orvo {

class ChooserForm : public QDialog, public ChooserView {
    Q_OBJECT
public:
    explicit ChooserForm(QWidget* parent = nullptr);

    ChooserResult choose(const ChooserRequest& request) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseItem(int row);

    QListWidget* list_ = nullptr;
    int chosen_ = -1;
};

}  // namespace orvo
