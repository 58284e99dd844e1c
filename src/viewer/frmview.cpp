// SPDX-License-Identifier: MIT
#include "viewer/frmview.h"

#include "accessibility/accessibility.h"
#include "platform/messageboxes.h"
#include "platform/textfilereader.h"
#include "viewer/viewertext.h"
#include "widgets/multilinetextbox.h"

#include "widgets/design.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace {

// Places and sizes of this window are kept in twips.
using design::px;
using design::twips;

constexpr int kClientWidth = 11670;
constexpr int kClientHeight = 6660;
constexpr int kMinWidth = 4000;
constexpr int kMinHeight = 3000;

constexpr int kTextLeft = 105;
constexpr int kTextTop = 105;
constexpr int kTextWidth = 11460;
constexpr int kTextHeight = 5760;
constexpr int kCloseLeft = 4680;
constexpr int kCloseTop = 6120;
constexpr int kCloseWidth = 2220;
constexpr int kCloseHeight = 330;

QFont fontOf(const QString &face)
{
    QFont font(face);
    font.setPointSizeF(design::kPointSize);
    return font;
}

} // namespace

frmView::frmView(platform::TextFileReader &files, platform::MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_files(files), m_messages(messages)
{
    setObjectName(QStringLiteral("frmView"));
    accessibility::setWindow(*this);
    setWindowTitle(QStringLiteral("Viewing"));
    setFont(fontOf(QStringLiteral("Arial")));
    setMinimumSize(px(kMinWidth), px(kMinHeight));
    resize(px(kClientWidth), px(kClientHeight));

    txbText1 = new MultiLineTextBox(this);
    txbText1->setObjectName(QStringLiteral("txbText1"));
    txbText1->setAccessibleName(QStringLiteral("Contents"));
    txbText1->setGeometry(px(kTextLeft), px(kTextTop), px(kTextWidth), px(kTextHeight));

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setFont(fontOf(QStringLiteral("Tahoma")));
    cmdClose->setGeometry(px(kCloseLeft), px(kCloseTop), px(kCloseWidth), px(kCloseHeight));

    connect(cmdClose, &QPushButton::clicked, this, &frmView::cmdClose_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmView::cmdClose_Click);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &frmView::applicationStateChanged);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &frmView::focusWindowChanged);
}

bool frmView::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Coming back from another application is not a return from another window of the program; the
        // user finds the text as they left it.
        if (m_leftProgram)
            m_upToDate = true;
        m_leftProgram = false;
        activated();
    } else if (event->type() == QEvent::WindowDeactivate) {
        m_upToDate = false;
    }
    return handled;
}

void frmView::applicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive)
        m_leftProgram = true;
}

void frmView::focusWindowChanged(QWindow *window)
{
    // The user is in another window of the program, so the viewer's next activation comes from there.
    if (window && window != windowHandle())
        m_leftProgram = false;
}

void frmView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Not every platform activates a window that is shown again, so showing counts as activating; the load
    // waits until the window is on screen, because a failure hides it again.
    m_upToDate = false;
    m_leftProgram = false;
    QMetaObject::invokeMethod(this, &frmView::activated, Qt::QueuedConnection);
}

void frmView::activated()
{
    // A failure message takes the activation away and gives it back when dismissed;
    // the guard keeps that return from starting the load again.
    if (!isVisible() || m_loading || m_upToDate)
        return;
    m_loading = true;
    Form_Activate();
    m_loading = false;
    m_upToDate = true;
}

void frmView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmView::Form_Activate()
{
    platform::TextFileContents contents = m_files.readStart(strFilename, viewertext::kCutLength);
    // A text the box already shows stays as it is, with the reader's place and selection in it; a changed
    // file is shown afresh from its start.
    if (m_fileDisplayed && contents.isRead() && !contents.isEmpty() &&
        viewertext::fitToTextBox(contents.text) == txbText1->text())
        return;

    cmdClose->setText(QStringLiteral("Close"));
    m_fileDisplayed = false;
    txbText1->setText(QString());
    txbText1->setReadOnly(true);
    // Read-only still lets the user move through the text and select it from the keyboard.
    txbText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Form_Resize();

    if (contents.isEmpty()) {
        failLoading(QStringLiteral("File is empty!"), QStringLiteral("Error"));
        return;
    }
    if (!contents.isRead()) {
        const QString number = contents.errorNumber < 0
                                   ? QString::number(contents.errorNumber)
                                   : QLatin1Char(' ') + QString::number(contents.errorNumber);
        failLoading(QStringLiteral("Error") + number + QStringLiteral(".  ") + contents.errorDescription,
                    QStringLiteral("Error reading file"));
        return;
    }

    txbText1->setText(viewertext::fitToTextBox(contents.text));
    contents.text.clear();
    txbText1->moveCaretToStart();
    m_fileDisplayed = true;
}

void frmView::failLoading(const QString &text, const QString &title)
{
    m_messages.show(this, text, title, platform::MessageIcon::Exclamation);
    cmdClose_Click();
}

void frmView::Form_Resize()
{
    if (isMinimized())
        return;
    // Work on the clamped size at once: on some platforms the window takes its new size only later.
    const int width = std::max(this->width(), px(kMinWidth));
    const int height = std::max(this->height(), px(kMinHeight));
    if (width != this->width() || height != this->height())
        resize(width, height);

    const double windowWidth = twips(width);
    const double windowHeight = twips(height);
    const double textHeight = windowHeight - 1200;
    txbText1->setGeometry(px(kTextLeft), px(kTextTop), px(windowWidth - 320), px(textHeight));
    cmdClose->move(px((windowWidth - kCloseWidth) / 2), px(kTextTop + textHeight + 100));
}

void frmView::cmdClose_Click()
{
    hide();
}
