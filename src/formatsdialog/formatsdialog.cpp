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
    txbTemplate->setMaxLength(int(templatestore::kLongestTemplate));
    lblPreview =
        make<QLabel>(this, QStringLiteral("lblPreview"), {10, 194, 420, 36}, QStringLiteral("Gives"));
    lblPreview->setWordWrap(true);
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
    const bool room = m_copyAs.templates().size() < templatestore::kMostTemplates;
    cmdAdd->setEnabled(!text.isEmpty() && parsed.ok() && room);
    if (text.isEmpty())
        lblPreview->clear();
    else if (!parsed.ok())
        lblPreview->setText(parsed.message());
    else if (!room)
        lblPreview->setText(
            QStringLiteral("There is room for %1 formats.").arg(templatestore::kMostTemplates));
    else
        lblPreview->setText(QStringLiteral("Gives: ") +
                            formtemplate::render(parsed.value, m_pair.editedColor(), m_pair.background(),
                                                 m_pair.foreground()));
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
