// SPDX-License-Identifier: MIT
#include "catalogue/frmqssoftware.h"

#include "accessibility/accessibility.h"

#include "color/colors.h"

#include "web/homepage.h"
#include "web/weblink.h"
#include "widgets/captionlabel.h"

#include "widgets/design.h"
#include "widgets/windowframe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace {

// Places and sizes of this window are kept in twips.
using design::px;
using design::twips;

void placeTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

constexpr double kWindowWidth = 9195;
constexpr double kWindowHeight = 6420;

struct Place
{
    double left, top, width, height;
};

// The window as designed; the loading steps move and widen some of these.
constexpr Place kIntro = {120, 120, 9000, 810};
constexpr Place kPicBox = {120, 1200, 8775, 4455};
constexpr Place kTitle = {0, 0, 5835, 300};
constexpr Place kDescription = {0, 360, 7005, 1050};
constexpr Place kScroll = {8400, 0, 255, 4095};
constexpr Place kClose = {2280, 5880, 1125, 360};

const QColor kVisited(255, 0, 0);

// Rows are a title and a description with this much room below.
constexpr double kRowGap = 200;

const QString kIntroText =
    QStringLiteral("Quenby Systems publishes fourteen Windows programs.  Here are titles, ") +
    QStringLiteral("brief descriptions and URLs.  All of this software may be ") +
    QStringLiteral("downloaded as trial versions at no charge. If you are online, click "
                   "on any item ") +
    QStringLiteral("to call up the product page on the web.");

QFont fontOf(const QString &face, bool bold = false)
{
    QFont font(face);
    font.setPointSizeF(design::kPointSize);
    font.setBold(bold);
    return font;
}

void setForeColor(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackColor(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

CaptionLabel *newLabel(QWidget *parent, const QString &name, const QFont &font)
{
    auto *label = new CaptionLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A new element of a label array takes every property of element 0.
CaptionLabel *newElement(const CaptionLabel *model, const QString &name, int index)
{
    CaptionLabel *label =
        newLabel(model->parentWidget(), QStringLiteral("%1(%2)").arg(name).arg(index), model->font());
    label->setPalette(model->palette());
    label->setAutoFillBackground(model->autoFillBackground());
    label->setGeometry(model->geometry());
    label->hide();
    return label;
}

QString descriptionCaption(const SoftwareItem &item)
{
    return item.Description + QStringLiteral("\r\n") + item.URL;
}

} // namespace

frmQSsoftware::frmQSsoftware(platform::Shell &shell, platform::MessageBoxes &messages, QWidget *mainWindow)
    : QDialog(mainWindow), m_shell(shell), m_messages(messages), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmQSsoftware"));
    setWindowTitle(QStringLiteral("Quenby Systems Software"));
    setModal(true);
    setFixedSize(px(kWindowWidth), px(kWindowHeight));
}

void frmQSsoftware::buildControls()
{
    m_form = new QWidget(this);
    m_form->setGeometry(rect());

    lblIntro = newLabel(m_form, QStringLiteral("lblIntro"), fontOf(QStringLiteral("Lucida Sans")));
    placeTwips(lblIntro, kIntro.left, kIntro.top, kIntro.width, kIntro.height);

    PicBox = new QWidget(m_form);
    PicBox->setObjectName(QStringLiteral("PicBox"));
    // The box clips all rows but three; those it hides are not read either, so each program is read once.
    accessibility::setGrouping(*PicBox, QStringLiteral("Programs"));
    accessibility::setShownChildrenOnly(*PicBox);
    placeTwips(PicBox, kPicBox.left, kPicBox.top, kPicBox.width, kPicBox.height);

    lblTitle = {newLabel(PicBox, QStringLiteral("lblTitle(0)"), fontOf(QStringLiteral("Lucida Sans"), true))};
    placeTwips(lblTitle[0], kTitle.left, kTitle.top, kTitle.width, kTitle.height);
    lblDescription = {
        newLabel(PicBox, QStringLiteral("lblDescription(0)"), fontOf(QStringLiteral("Lucida Sans")))};
    placeTwips(lblDescription[0], kDescription.left, kDescription.top, kDescription.width,
               kDescription.height);

    VScroll = new QScrollBar(Qt::Vertical, PicBox);
    VScroll->setObjectName(QStringLiteral("VScroll"));
    VScroll->setAccessibleName(QStringLiteral("Scroll programs"));
    placeTwips(VScroll, kScroll.left, kScroll.top, kScroll.width, kScroll.height);

    cmdClose = new QPushButton(QStringLiteral("Close"), m_form);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setFont(fontOf(QStringLiteral("Tahoma")));
    cmdClose->setAutoDefault(false);
    placeTwips(cmdClose, kClose.left, kClose.top, kClose.width, kClose.height);

    m_form->show();
}

void frmQSsoftware::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_form)
        Form_Load();
    // Enter, the natural key to dismiss the window after Quit, closes it rather than opening a page; and the
    // focus is drawn from the start, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    cmdClose->setFocus();
}

void frmQSsoftware::Form_Load()
{
    buildControls();

    lblIntro->setCaption(kIntroText);
    QFont introFont = lblIntro->font();
    introFont.setBold(blnIntroFontBold);
    lblIntro->setFont(introFont);

    const QPalette mainColours = m_mainWindow ? m_mainWindow->palette() : palette();
    const QColor foreground = mainColours.color(QPalette::WindowText);
    const QColor background = mainColours.color(QPalette::Window);
    setForeColor(PicBox, foreground);
    setBackColor(PicBox, background);
    setForeColor(this, foreground);
    setBackColor(this, background);

    setForeColor(lblIntro, QColor(Colors::toQRgb(lngIntroForeColor)));
    setForeColor(lblDescription[0], QColor(Colors::toQRgb(lngDescriptionForeColor)));

    // Between the outer corners of the two windows, frames included.
    if (m_mainWindow)
        windowframe::placeFrame(
            *this, QRect(m_mainWindow->frameGeometry().topLeft() + QPoint(px(100), px(400)), QSize()),
            *m_mainWindow);

    const double windowWidth = twips(width());
    const double introWidth = windowWidth - 200 - kIntro.left;
    placeTwips(lblIntro, kIntro.left, kIntro.top, introWidth, kIntro.height);
    placeTwips(PicBox, kIntro.left, kPicBox.top, introWidth, kPicBox.height);
    const double rowWidth = introWidth - kScroll.width - 100;

    setForeColor(lblTitle[0], QColor(Colors::toQRgb(lngTitleForeColor)));
    setBackColor(lblIntro, background);
    setBackColor(lblTitle[0], background);
    setBackColor(lblDescription[0], background);

    cmdClose->move(px((windowWidth - kClose.width) / 2), px(kClose.top));

    strHomePage = kHomePage;
    SoftwareItemCount = FillSoftwareList(strHomePage, SoftwareItems);

    // Element 0 keeps its design width until here, so every element gets the row width as it is placed.
    for (int i = 0; i < SoftwareItemCount; ++i) {
        if (i > 0) {
            lblTitle.push_back(newElement(lblTitle[0], QStringLiteral("lblTitle"), i));
            lblDescription.push_back(newElement(lblDescription[0], QStringLiteral("lblDescription"), i));
        }
        const double top = i * (kTitle.height + kDescription.height + kRowGap);
        placeTwips(lblTitle[i], kTitle.left, top, rowWidth, kTitle.height);
        lblTitle[i]->setCaption(SoftwareItems[i].Title);
        accessibility::setLink(*lblTitle[i]);
        lblTitle[i]->show();
        placeTwips(lblDescription[i], kDescription.left, top + kTitle.height, rowWidth, kDescription.height);
        lblDescription[i]->setCaption(descriptionCaption(SoftwareItems[i]));
        lblDescription[i]->show();
    }

    const double picBoxWidth = introWidth;
    placeTwips(VScroll, picBoxWidth - kScroll.width, kScroll.top, kScroll.width, kPicBox.height);
    VScroll->setRange(0, std::max(0, SoftwareItemCount - 3));
    VScroll->setValue(0);
    VScroll->setSingleStep(1);
    VScroll->setPageStep(3);
    VScroll->show();
    VScroll->raise();
    VScroll->setFocusPolicy(Qt::TabFocus);
    FirstShownItem = 0;
    m_visited.fill(false);

    connect(VScroll, &QScrollBar::valueChanged, this, &frmQSsoftware::VScroll_Change);
    connect(cmdClose, &QPushButton::clicked, this, &frmQSsoftware::cmdClose_Click);
    // Wherever the focus is, the keys of the scroll bar scroll the list as clicks on the bar do.
    const std::pair<Qt::Key, QAbstractSlider::SliderAction> scrollKeys[] = {
        {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
        {Qt::Key_End, QAbstractSlider::SliderToMaximum}};
    for (const auto &[key, action] : scrollKeys) {
        auto *shortcut = new QShortcut(QKeySequence(key), m_form);
        connect(shortcut, &QShortcut::activated, VScroll, [this, action] { VScroll->triggerAction(action); });
    }
    // The titles of the three rows that show can be reached with Tab and opened with Enter or Space.
    QWidget *previous = nullptr;
    for (int i = 0; i < std::min<int>(3, SoftwareItemCount); ++i) {
        lblTitle[i]->setFocusPolicy(Qt::TabFocus);
        if (previous)
            setTabOrder(previous, lblTitle[i]);
        previous = lblTitle[i];
    }
    if (previous) {
        setTabOrder(previous, VScroll);
        setTabOrder(VScroll, cmdClose);
    }
    m_form->installEventFilter(this);
    for (QWidget *control : m_form->findChildren<QWidget *>())
        control->installEventFilter(this);
    for (int i = 0; i < SoftwareItemCount; ++i) {
        connect(lblTitle[i], &CaptionLabel::clicked, this, [this, i] { lblTitle_Click(i); });
        connect(lblDescription[i], &CaptionLabel::clicked, this, [this, i] { lblDescription_Click(i); });
    }
}

bool frmQSsoftware::eventFilter(QObject *watched, QEvent *event)
{
    // Turned anywhere over the window, the wheel scrolls the list as it does over the scroll bar.
    if (event->type() == QEvent::Wheel && VScroll && watched != VScroll) {
        QCoreApplication::sendEvent(VScroll, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmQSsoftware::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

void frmQSsoftware::Form_Unload()
{
    if (!m_form)
        return;
    // Detached at once, so that a new load never meets the old controls; deleted once their events are done.
    m_form->hide();
    m_form->setParent(nullptr);
    m_form->deleteLater();
    m_form = nullptr;
    lblIntro = nullptr;
    PicBox = nullptr;
    lblTitle.clear();
    lblDescription.clear();
    VScroll = nullptr;
    cmdClose = nullptr;
}

void frmQSsoftware::captionRow(int row, int item)
{
    if (item < SoftwareItemCount) {
        lblTitle[row]->setCaption(SoftwareItems[item].Title);
        lblDescription[row]->setCaption(descriptionCaption(SoftwareItems[item]));
    } else {
        lblTitle[row]->setCaption(QString());
        lblDescription[row]->setCaption(QString());
    }
}

void frmQSsoftware::VScroll_Change()
{
    // The scroll bar's maximum keeps the value within the list.
    FirstShownItem = static_cast<qint16>(VScroll->value());
    // Rows never move: the first four are captioned afresh, of which three show.
    const int rows = std::min<int>(4, static_cast<int>(lblTitle.size()));
    for (int row = 0; row < rows; ++row) {
        captionRow(row, FirstShownItem + row);
        // A red title marks the program clicked, so it moves with that program.
        const int item = FirstShownItem + row;
        setForeColor(lblTitle[row], item < SoftwareItemCount && m_visited[item]
                                        ? kVisited
                                        : QColor(Colors::toQRgb(lngTitleForeColor)));
    }
    cmdClose->setFocus();
}

void frmQSsoftware::lblTitle_Click(int index)
{
    // The program's title stays red, wherever scrolling takes it, until the window is unloaded.
    m_visited[index + FirstShownItem] = true;
    setForeColor(lblTitle[index], kVisited);
    RequestWebPage(SoftwareItems[index + FirstShownItem].URL);
}

void frmQSsoftware::lblDescription_Click(int index)
{
    RequestWebPage(SoftwareItems[index + FirstShownItem].URL);
}

void frmQSsoftware::cmdClose_Click()
{
    hide();
}

void frmQSsoftware::RequestWebPage(const QString &strURL)
{
    const QString noAssociationLine = QStringLiteral("The web page file type ") +
                                      weblink::GetFileExtension(strURL, true) +
                                      QStringLiteral(" is not associated with any browser program.");
    weblink::openWebPageExplaining(m_shell, m_messages, this, strURL, noAssociationLine);
}
