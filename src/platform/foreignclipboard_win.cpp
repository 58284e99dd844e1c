// SPDX-License-Identifier: MIT
#include "platform/foreignclipboard.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <windows.h>

namespace platform {

namespace {

// How long the owner may take for its whole answer; longer would look like a frozen window.
constexpr auto kAnswer = std::chrono::milliseconds(1000);
// What is read of a longer text: no colour or base value comes near it.
constexpr std::size_t kTextLimit = 1 << 20;

// What the reading thread leaves for the window's thread, which may have stopped waiting for it.
struct Answer
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::optional<QString> text;
};

std::optional<QString> readClipboardText(const std::chrono::steady_clock::time_point deadline)
{
    // Another program may hold the clipboard open for a moment.
    while (!OpenClipboard(nullptr)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        Sleep(10);
    }
    std::optional<QString> text;
    // An owner that renders on request is asked here, and this is where one that does not answer holds us.
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *characters = static_cast<const wchar_t *>(GlobalLock(data))) {
            const std::size_t room = std::min<std::size_t>(GlobalSize(data) / sizeof(wchar_t), kTextLimit);
            const std::size_t length = std::find(characters, characters + room, L'\0') - characters;
            text = QString::fromWCharArray(characters, qsizetype(length));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

ForeignText readForeignText(QClipboard::Mode mode)
{
    if (mode != QClipboard::Clipboard)
        return {};
    // Windows waits for an owner that renders late far longer than a window may stand still, so the
    // clipboard is read on a thread of its own, which is left to finish on its own when it takes too long.
    const auto deadline = std::chrono::steady_clock::now() + kAnswer;
    const auto answer = std::make_shared<Answer>();
    std::thread([answer, deadline] {
        std::optional<QString> text = readClipboardText(deadline);
        const std::lock_guard lock(answer->mutex);
        answer->text = std::move(text);
        answer->finished = true;
        answer->done.notify_one();
    }).detach();
    std::unique_lock lock(answer->mutex);
    ForeignText result{true, std::nullopt};
    if (answer->done.wait_until(lock, deadline, [&answer] { return answer->finished; }))
        result.text = std::move(answer->text);
    return result;
}

} // namespace platform
