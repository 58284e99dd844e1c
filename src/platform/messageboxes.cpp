// SPDX-License-Identifier: MIT
#include "platform/messageboxes.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace platform {

static QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// How wide a window must be for its frame to show title whole.
static int widthForTitle(const QString &title)
{
    // Window managers draw titles in a bold face of about the desktop's title size, between the window's
    // icon and its buttons; six lines' heights leave room for those and the frame's padding.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

void QtMessageBoxes::show(QWidget *parent, const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // QMessageBox fixes its own size from its layout when shown, allowing too little for a framed title;
    // a spacer as wide as the title needs is the way to widen it.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

} // namespace platform
