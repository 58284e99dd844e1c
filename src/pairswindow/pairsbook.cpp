// SPDX-License-Identifier: MIT
#include "pairswindow/pairsbook.h"

#include "pairs/pairfiles.h"
#include "pairs/pairformats.h"
#include "pairs/pairimport.h"
#include "pairs/pairstore.h"
#include "platform/clipboard.h"
#include "platform/filedialogs.h"
#include "platform/messageboxes.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>

namespace {

// As many steps as the colours keep.

const QStringList &exportFilters()
{
    static const QStringList filters{QStringLiteral("CSS custom properties (*.css)"),
                                     QStringLiteral("Design tokens (*.json)"),
                                     QStringLiteral("GIMP palette (*.gpl)")};
    return filters;
}

} // namespace

PairsBook::PairsBook(ColorPair &pair, const Services &services, Settings &settings, QWidget &mainWindow)
    : m_pair(pair), m_services(services), m_settings(settings), m_mainWindow(mainWindow)
{
}

QWidget *PairsBook::dialogParent() const
{
    return m_window && m_window->isVisible() ? m_window.data() : &m_mainWindow;
}

const PairList &PairsBook::list()
{
    if (!m_loaded) {
        m_loaded = true;
        m_storedText = pairstore::stored(m_settings).text.value_or(std::string());
        m_list = PairList(pairstore::read(m_storedText));
    }
    return m_list;
}

bool PairsBook::followStore()
{
    if (!m_loaded)
        return false;
    std::string now = pairstore::stored(m_settings).text.value_or(std::string());
    if (now == m_storedText)
        return false;
    m_storedText = std::move(now);
    m_list = PairList(pairstore::read(m_storedText));
    m_history.clear();
    emit listChanged();
    return true;
}

void PairsBook::tell(const QString &text, const QString &title, bool problem)
{
    m_services.messages->show(dialogParent(), text, title,
                              problem ? platform::MessageIcon::Exclamation
                                      : platform::MessageIcon::Information);
}

PairsBook::Stored PairsBook::store(const std::function<bool(PairList &)> &change, bool namesRows,
                                   NamedPairs *before)
{
    list();
    bool stale = false;
    PairList next;
    std::optional<std::string> written;
    const std::string status = pairstore::update(
        m_settings,
        [&](std::string_view text, const NamedPairs &stored) -> std::optional<NamedPairs> {
            stale = text != m_storedText;
            // A change that names rows must not land on a list it was not made for.
            if (stale && namesRows)
                return std::nullopt;
            next = stale ? PairList(stored) : m_list;
            if (before)
                *before = next.pairs();
            if (!change(next))
                return std::nullopt;
            return next.pairs();
        },
        &written);
    if (!status.starts_with('0')) {
        tell(QString::fromStdString(status).trimmed() +
                 QStringLiteral("\r\n\r\nThe list of pairs stays as it was."),
             QStringLiteral("Cannot save color pairs"), true);
        return Stored::Unchanged;
    }
    if (!written) {
        if (stale)
            followStore();
        return stale && namesRows ? Stored::Stale : Stored::Unchanged;
    }
    if (stale)
        m_history.clear();
    m_storedText = *written;
    m_list = next;
    emit listChanged();
    return Stored::Yes;
}

bool PairsBook::edit(const std::function<bool(PairList &)> &change, bool namesRows)
{
    NamedPairs before;
    switch (store(change, namesRows, &before)) {
    case Stored::Yes:
        break;
    case Stored::Stale:
        tell(QStringLiteral("Another program changed the list of pairs. The window now shows the list as it "
                            "is stored; nothing else was changed."),
             QStringLiteral("Color pairs"), false);
        return false;
    case Stored::Unchanged:
        return false;
    }
    m_history.record(before, m_list.pairs());
    return true;
}

bool PairsBook::addCurrent()
{
    const PairColor background{m_pair.background(), m_pair.baseChannel(0)};
    const PairColor foreground{m_pair.foreground(), m_pair.baseChannel(1)};
    return edit([&](PairList &next) { return next.add(background, foreground) >= 0; }, false);
}

void PairsBook::load(qsizetype row)
{
    if (row < 0 || row >= list().size())
        return;
    const NamedPair &chosen = m_list.at(row);
    load(chosen.background, chosen.foreground);
}

void PairsBook::load(const PairColor &background, const PairColor &foreground)
{
    PairState state = m_pair.state();
    state.colors = {background, foreground};
    m_pair.setState(state);
}

void PairsBook::copy(const QString &text)
{
    QString error;
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) || !clipboard.setText(text, error))
        tell(error, QStringLiteral("Error"), true);
}

bool PairsBook::rename(qsizetype row, const QString &typed)
{
    return edit([&](PairList &next) { return next.rename(row, typed); }, true);
}

bool PairsBook::move(qsizetype row, int by)
{
    return edit([&](PairList &next) { return next.move(row, by); }, true);
}

bool PairsBook::remove(qsizetype row)
{
    return edit([&](PairList &next) { return next.remove(row); }, true);
}

bool PairsBook::undo()
{
    return step(m_history.nextUndo(), true);
}

bool PairsBook::redo()
{
    return step(m_history.nextRedo(), false);
}

bool PairsBook::step(const NamedPairs *target, bool back)
{
    if (!target)
        return false;
    // Another program's change clears the history, which no longer leads to it: the target is copied
    // before the store is read.
    const NamedPairs restored = *target;
    NamedPairs current;
    const auto restore = [&restored](PairList &next) {
        next = PairList(restored);
        return true;
    };
    if (store(restore, true, &current) != Stored::Yes)
        return false;
    if (back)
        m_history.undo(current);
    else
        m_history.redo(current);
    return true;
}

void PairsBook::exportToFile()
{
    platform::FileDialogs &dialogs =
        m_services.fileDialogs ? *m_services.fileDialogs : platform::systemFileDialogs();
    const QStringList formats = pairformats::formatNames();
    int filter = m_exportFilter;
    const QString suggested = QDir::home().filePath(QStringLiteral("color-pairs.") + formats.value(filter));
    QString path = dialogs.saveFileName(dialogParent(), QStringLiteral("Export color pairs"), suggested,
                                        exportFilters(), &filter);
    if (path.isEmpty())
        return;
    m_exportFilter = std::clamp(filter, 0, int(formats.size()) - 1);
    // The file's own extension decides; a name without one gets the chosen filter's.
    std::optional<pairformats::Format> format = pairformats::formatNamed(QFileInfo(path).suffix().toLower());
    if (!format) {
        format = pairformats::Format(m_exportFilter);
        if (QFileInfo(path).suffix().isEmpty())
            path += u'.' + pairformats::extension(*format);
    }
    QString error;
    if (!pairfiles::write(path, pairformats::write(*format, list().pairs()), &error))
        tell(error, QStringLiteral("Cannot export color pairs"), true);
}

bool PairsBook::importFromFile()
{
    platform::FileDialogs &dialogs =
        m_services.fileDialogs ? *m_services.fileDialogs : platform::systemFileDialogs();
    const QString path = dialogs.openFileName(
        dialogParent(), QStringLiteral("Import color pairs"),
        {QStringLiteral("Color pairs (*.css *.json *.gpl)"), QStringLiteral("All files (*)")});
    if (path.isEmpty())
        return false;
    QString error;
    const std::optional<QString> text = pairfiles::read(path, &error);
    const pairimport::Imported imported = text ? pairimport::read(*text) : pairimport::Imported();
    if (!text || !imported.ok()) {
        tell(text ? QFileInfo(path).fileName() + QStringLiteral(": ") + imported.error : error,
             QStringLiteral("Cannot import color pairs"), true);
        return false;
    }
    const bool added = edit(
        [&](PairList &next) {
            next.append(imported.pairs);
            return !imported.pairs.isEmpty();
        },
        false);
    if (added || imported.pairs.isEmpty())
        tell(pairimport::report(int(imported.pairs.size()), imported.unpaired, imported.mapped,
                                imported.transparent),
             QStringLiteral("Import color pairs"), false);
    return added;
}
