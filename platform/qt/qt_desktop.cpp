#include "platform/qt/qt_desktop.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace orvo {

ScreenSize QtDesktop::screenSize() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    QSize size = screen->size();
    if (size.width() <= 0 || size.height() <= 0) return {};
    return {size.width(), size.height()};
}

bool QtDesktop::hasFont(const std::string& family) const {
    return QFontDatabase::families().contains(QString::fromStdString(family), Qt::CaseInsensitive);
}

}  // namespace orvo
