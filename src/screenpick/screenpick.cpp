// SPDX-License-Identifier: MIT
#include "screenpick/screenpick.h"

#include "platform/messageboxes.h"
#include "platform/screenpicker.h"

ScreenPick::ScreenPick(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_window(window)
{
}

ScreenPick::~ScreenPick() = default;

platform::ScreenPicker &ScreenPick::picker()
{
    if (m_picker)
        return *m_picker;
    if (!m_services.screenPicker)
        m_ownPicker = platform::createScreenPicker();
    m_picker = m_services.screenPicker ? m_services.screenPicker : m_ownPicker.get();
    connect(m_picker, &platform::ScreenPicker::hovered, this, [this](QRgb c) { m_pair.setPreview(c); });
    connect(m_picker, &platform::ScreenPicker::picked, this, [this](QRgb c) {
        const ColorPair::Step step(m_pair);
        m_pair.setPreview(std::nullopt);
        m_pair.setEditedColor(c);
    });
    connect(m_picker, &platform::ScreenPicker::cancelled, this, [this] { m_pair.setPreview(std::nullopt); });
    connect(m_picker, &platform::ScreenPicker::failed, this, &ScreenPick::failed);
    return *m_picker;
}

void ScreenPick::start()
{
    picker().start();
}

void ScreenPick::failed(const QString &reason)
{
    m_pair.setPreview(std::nullopt);
    m_services.messages->show(&m_window, reason, QStringLiteral("Pick from screen"),
                              platform::MessageIcon::Exclamation);
}
