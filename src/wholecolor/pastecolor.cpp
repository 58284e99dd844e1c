// SPDX-License-Identifier: MIT
#include "wholecolor/pastecolor.h"

#include "color/colorparse.h"
#include "color/visibletext.h"
#include "menu/contextmenu.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"

#include <QAction>

PasteColor::PasteColor(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_window(window),
      m_pasteAction(
          ContextMenu::newAction(window, QStringLiteral("Paste color"), {QKeySequence(Qt::CTRL | Qt::Key_V)}))
{
    QObject::connect(m_pasteAction, &QAction::triggered, m_pasteAction, [this] { paste(); });
}

void PasteColor::paste()
{
    const auto fail = [this](const QString &text) {
        m_services.messages->show(&m_window, text, QStringLiteral("Paste color"),
                                  platform::MessageIcon::Exclamation);
    };
    const std::optional<QString> text = m_services.clipboard->readText();
    if (!text || text->isEmpty()) {
        fail(QStringLiteral("The clipboard holds no text."));
        return;
    }
    const colorparse::ParsedColors parsed = colorparse::parseColorText(*text);
    if (parsed.count == 0) {
        const QString why = parsed.refusal.isEmpty() ? QString() : u'\n' + parsed.refusal + u'.';
        fail(QStringLiteral("Not a color: ") + visibleExcerpt(*text, 40) + why);
        return;
    }
    if (parsed.count == 2) {
        PairState state = m_pair.state();
        state.colors[0].rgb = parsed.colors[0];
        state.colors[1].rgb = parsed.colors[1];
        m_pair.setState(state);
        return;
    }
    m_pair.setEditedColor(parsed.colors[0]);
    QStringList notes;
    if (parsed.transparencyIgnored)
        notes << QStringLiteral("its transparency was ignored");
    if (parsed.gamutMapped)
        notes << QStringLiteral("it lay outside sRGB and was mapped into it");
    if (parsed.lightTaken)
        notes << QStringLiteral("light-dark() gave its light color");
    if (!notes.isEmpty()) {
        m_services.messages->show(&m_window,
                                  QStringLiteral("The color was pasted; ") + notes.join(u"; ") + u'.',
                                  QStringLiteral("Paste color"), platform::MessageIcon::Information);
    }
}
