// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label whose caption follows the access-key convention: "&&" shows as one "&",
// a lone "&" shows nothing. Reports a click like a button does; given a focus policy, it can be reached
// with Tab and activated with Enter or Space.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    // The text a caption shows on screen.
    static QString shownText(const QString &caption);

    // Reports a click, as a click of the mouse does.
    void click() { emit clicked(); }

signals:
    void clicked();
    // The text on screen changed; before is what it showed until now.
    void shownTextChanged(const QString &before);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    bool m_pressed = false;
};
