// SPDX-License-Identifier: MIT
#include "formatsdialog/formatsdialog.h"

#include "copyas/copyas.h"
#include "forms/formtemplate.h"
#include "forms/templatestore.h"
#include "model/colorpair.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextLayout>

namespace {

template <typename T>
T *make(QWidget *parent, const QString &name, QRect place, const QString &accessible = {})
{
    auto *control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(place);
    if (!accessible.isEmpty())
        control->setAccessibleName(accessible);
    return control;
}

QLabel *label(QWidget *parent, const QString &name, QRect place, const QString &text)
{
    auto *l = make<QLabel>(parent, name, place);
    l->setText(text);
    l->setWordWrap(true);
    return l;
}

// The lines the preview has room for.
constexpr int kPreviewLines = 2;

// text broken into lines of width at most, at blanks where it can and anywhere where it must, and the last
// line that fits ending in "…" when more would follow.
QString fitted(const QString &text, const QFont &font, int width, int lines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const QFontMetrics metrics(font);
    QStringList shown;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (shown.size() == lines - 1) {
            shown << metrics.elidedText(text.sliced(line.textStart()), Qt::ElideRight, width);
            break;
        }
        shown << text.sliced(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return shown.join(u'\n');
}

QPushButton *button(QWidget *parent, const QString &name, QRect place, const QString &text)
{
    auto *b = make<QPushButton>(parent, name, place);
    b->setText(text);
    b->setAutoDefault(false);
    return b;
}

} // namespace

FormatsDialog::FormatsDialog(CopyAs &copyAs, ColorPair &pair, QWidget *parent)
    : QDialog(parent), m_copyAs(copyAs), m_pair(pair)
{
    setObjectName(QStringLiteral("frmFormats"));
    setWindowTitle(QStringLiteral("Formats"));
    setFixedSize(440, 330);

    label(this, QStringLiteral("lblTemplates"), {10, 8, 420, 18},
          QStringLiteral("Your formats, listed under Copy as:"));
    lstTemplates = make<QListWidget>(this, QStringLiteral("lstTemplates"), {10, 28, 420, 110},
                                     QStringLiteral("Your formats"));
    label(this, QStringLiteral("lblTemplate"), {10, 146, 420, 18}, QStringLiteral("New format:"));
    txbTemplate = make<QLineEdit>(this, QStringLiteral("txbTemplate"), {10, 166, 420, 24},
                                  QStringLiteral("New format"));
    lblPreview =
        make<QLabel>(this, QStringLiteral("lblPreview"), {10, 194, 420, 36}, QStringLiteral("Gives"));
    lblPreview->setTextFormat(Qt::PlainText);
    lblPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label(this, QStringLiteral("lblPlaceholders"), {10, 234, 420, 52},
          QStringLiteral("Placeholders: {r} {g} {b} (0-255), {R} {G} {B} (hex), {hex} {HEX}, {rf} {gf} {bf} "
                         "(0-1; {rf:2} for 2 decimals), {decimal}; {bg.hex} or {fg.r} for the background or "
                         "the foreground; {{ and }} for braces."))
        ->setTextFormat(Qt::PlainText);
    cmdAdd = button(this, QStringLiteral("cmdAdd"), {10, 294, 100, 26}, QStringLiteral("Add"));
    cmdRemove = button(this, QStringLiteral("cmdRemove"), {120, 294, 100, 26}, QStringLiteral("Remove"));
    QPushButton *cmdClose =
        button(this, QStringLiteral("cmdClose"), {330, 294, 100, 26}, QStringLiteral("Close"));

    connect(txbTemplate, &QLineEdit::textChanged, this, &FormatsDialog::updatePreview);
    connect(txbTemplate, &QLineEdit::returnPressed, this, &FormatsDialog::addTemplate);
    connect(cmdAdd, &QPushButton::clicked, this, &FormatsDialog::addTemplate);
    connect(cmdRemove, &QPushButton::clicked, this, &FormatsDialog::removeTemplate);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(lstTemplates, &QListWidget::currentRowChanged, this,
            [this](int row) { cmdRemove->setEnabled(row >= 0); });
    connect(&m_copyAs, &CopyAs::templatesChanged, this, &FormatsDialog::showTemplates);
    connect(&m_pair, &ColorPair::changed, this, &FormatsDialog::updatePreview);
    showTemplates();
    // The dialog is opened to type a format.
    txbTemplate->setFocus();
}

void FormatsDialog::showTemplates()
{
    lstTemplates->clear();
    lstTemplates->addItems(m_copyAs.templates());
    cmdRemove->setEnabled(false);
    updatePreview();
}

void FormatsDialog::updatePreview()
{
    const QString text = txbTemplate->text();
    const formtemplate::Parsed parsed = formtemplate::parse(text);
    // A longer text is refused with a note rather than cut where the user may not see it (a paste).
    const bool fits = text.size() <= templatestore::kLongestTemplate;
    const bool fresh = !m_copyAs.templates().contains(text);
    const bool room = m_copyAs.templates().size() < templatestore::kMostTemplates;
    cmdAdd->setEnabled(!text.isEmpty() && fits && fresh && parsed.ok() && room);
    QString shown;
    if (text.isEmpty())
        shown.clear();
    else if (!fits)
        shown = QStringLiteral("A format holds at most %1 characters; this one has %2.")
                    .arg(templatestore::kLongestTemplate)
                    .arg(text.size());
    else if (!fresh)
        shown = QStringLiteral("This format is in your list already.");
    else if (!parsed.ok())
        shown = parsed.message();
    else if (!room)
        shown = QStringLiteral("There is room for %1 formats.").arg(templatestore::kMostTemplates);
    else
        shown = QStringLiteral("Gives: ") + formtemplate::render(parsed.value, m_pair.editedColor(),
                                                                 m_pair.background(), m_pair.foreground());
    lblPreview->setText(fitted(shown, lblPreview->font(), lblPreview->width(), kPreviewLines));
}

void FormatsDialog::addTemplate()
{
    if (!cmdAdd->isEnabled())
        return;
    m_copyAs.setTemplates(m_copyAs.templates() + QStringList{txbTemplate->text()});
    txbTemplate->clear();
}

void FormatsDialog::removeTemplate()
{
    const int row = lstTemplates->currentRow();
    if (row < 0)
        return;
    QStringList templates = m_copyAs.templates();
    templates.removeAt(row);
    m_copyAs.setTemplates(templates);
}
