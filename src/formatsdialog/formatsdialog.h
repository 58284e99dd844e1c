// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class ColorPair;
class CopyAs;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Formats": the user's templates for "Copy as". The text a template gives for the current colours is shown
// as it is typed; a template with an unknown placeholder or a stray brace is named as such and cannot be
// added. Changes reach "Copy as" at once and the store with the next save.
class FormatsDialog : public QDialog
{
    Q_OBJECT

public:
    FormatsDialog(CopyAs &copyAs, ColorPair &pair, QWidget *parent);

private:
    void showTemplates();
    void updatePreview();
    void addTemplate();
    void removeTemplate();

    CopyAs &m_copyAs;
    ColorPair &m_pair;
    QListWidget *lstTemplates;
    QLineEdit *txbTemplate;
    QLabel *lblPreview;
    QPushButton *cmdAdd;
    QPushButton *cmdRemove;
};
