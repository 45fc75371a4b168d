// The font the window is laid out for. GUI thread.
#pragma once

#include <QFont>
#include <QFontDatabase>

namespace orvane::ui {

// Tahoma 8 pt where the machine has it; DejaVu Sans, the nearest match, everywhere else.
inline QFont ProgramFont() {
    const QString family = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
                               ? QStringLiteral("Tahoma")
                               : QStringLiteral("DejaVu Sans");
    return QFont(family, 8);
}

}  // namespace orvane::ui
