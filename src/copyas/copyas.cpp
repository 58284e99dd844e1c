// SPDX-License-Identifier: MIT
#include "copyas/copyas.h"

#include "color/visibletext.h"
#include "forms/colorforms.h"
#include "forms/formtemplate.h"
#include "forms/templatestore.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"

#include <QMenu>
#include <QWidget>

namespace {

// Longer texts are cut in the menu; the copy is whole.
constexpr qsizetype kShownLength = 60;

// A menu entry shows text as it is: "&" would mark an access key, and a tab would start the right column.
QString entryText(const QString &text)
{
    QString shown = visibleExcerpt(text, kShownLength);
    return shown.replace(u'&', QStringLiteral("&&"));
}

} // namespace

CopyAs::CopyAs(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_window(window),
      m_menu(new QMenu(QStringLiteral("Copy as"), &window))
{
    m_menu->setObjectName(QStringLiteral("mnuCopyAs"));
    m_menu->menuAction()->setObjectName(QStringLiteral("actCopyAs"));
    connect(m_menu, &QMenu::aboutToShow, this, &CopyAs::refresh);
    m_saved.current = [this] { return savedValue(); };
    m_saved.adopt = [this](const std::string &text) { setTemplates(templatestore::read(text)); };
    if (const std::optional<std::string> saved = m_saved.read(m_services.registry))
        m_templates = templatestore::read(*saved);
}

void CopyAs::refresh()
{
    m_menu->clear();
    const QRgb edited = m_pair.editedColor();
    const QStringList &names = colorforms::formNames();
    for (int i = 0; i < names.size(); ++i) {
        const QString text = colorforms::write(i, edited);
        // The short name goes in the column of shortcuts, right of the text.
        QAction *entry = m_menu->addAction(entryText(text) + u'\t' + names[i]);
        connect(entry, &QAction::triggered, this, [this, text] { copy(text); });
    }
    if (!m_templates.isEmpty())
        m_menu->addSeparator();
    for (const QString &pattern : m_templates) {
        const formtemplate::Parsed parsed = formtemplate::parse(pattern);
        if (!parsed.ok()) {
            // Only an edited store holds one; it stays, shown with what is wrong.
            m_menu->addAction(entryText(parsed.message()))->setEnabled(false);
            continue;
        }
        const QString text =
            formtemplate::render(parsed.value, edited, m_pair.background(), m_pair.foreground());
        QAction *entry = m_menu->addAction(entryText(text));
        connect(entry, &QAction::triggered, this, [this, text] { copy(text); });
    }
}

void CopyAs::setTemplates(const QStringList &templates)
{
    if (templates == m_templates)
        return;
    m_templates = templates;
    emit templatesChanged();
}

std::string CopyAs::savedValue() const
{
    return templatestore::write(m_templates);
}

void CopyAs::copy(const QString &text)
{
    QString error;
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) || !clipboard.setText(text, error))
        m_services.messages->show(&m_window, error, QStringLiteral("Error"),
                                  platform::MessageIcon::Exclamation);
}
