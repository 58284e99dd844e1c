// SPDX-License-Identifier: MIT
#pragma once

namespace platform {
class MessageBoxes;
class Registry;
class Shell;
class Clipboard;
class TextFileReader;
class AppExit;
class ScreenPicker;
class FileDialogs;
} // namespace platform

// The platform services a window uses; tests hand in doubles, the program the real ones.
struct Services
{
    platform::MessageBoxes *messages = nullptr;
    platform::Registry *registry = nullptr;
    platform::Shell *shell = nullptr;
    platform::Clipboard *clipboard = nullptr;
    platform::TextFileReader *files = nullptr;
    platform::AppExit *appExit = nullptr;
    // Made by the window on first use when not given.
    platform::ScreenPicker *screenPicker = nullptr;
    // Choosing files to export to and import from.
    platform::FileDialogs *fileDialogs = nullptr;
};

// The real services of this desktop; each lives as long as the program.
Services systemServices();
