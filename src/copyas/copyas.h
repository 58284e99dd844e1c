// SPDX-License-Identifier: MIT
#pragma once

#include "menu/feature.h"
#include "model/colorpair.h"
#include "platform/services.h"
#include "settings/sharedvalue.h"

#include <QObject>
#include <QStringList>

#include <string>

class QMenu;
class QWidget;

// "Copy as": the colour being edited in every form, each shown with the text it copies, then in the user's
// templates. Choosing one copies its text, without a confirmation. The templates are saved beside Params.
class CopyAs : public QObject, public Feature
{
    Q_OBJECT

public:
    static inline const std::string kSavedName = "Formats";

    // Reads the saved templates; the menu is a child of window.
    CopyAs(ColorPair &pair, const Services &services, QWidget &window);

    // Filled afresh for the current colours each time it opens.
    QMenu *menu() const { return m_menu; }
    void refresh();

    const QStringList &templates() const { return m_templates; }
    void setTemplates(const QStringList &templates);
    std::string savedValue() const;
    // The templates as saved beside Params, a line each: this copy's additions and removals are made on what
    // another copy saved meanwhile.
    SharedValue *sharedValue() override { return &m_saved; }

    // Puts text on the clipboard; a clipboard that refuses it is told in a box.
    void copy(const QString &text);

signals:
    void templatesChanged();

private:
    ColorPair &m_pair;
    Services m_services;
    QWidget &m_window;
    QMenu *m_menu;
    QStringList m_templates;
    SharedValue m_saved{kSavedName, SharedValue::Merge::Lines};
};
