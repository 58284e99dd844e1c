// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class CaptionLabel;
class QComboBox;
class QWidget;

// What assistive technology (screen readers, through AT-SPI or UI Automation) learns of our own widgets
// beyond what Qt tells of its own: readouts that read as caption and value, links, pictures that act as
// buttons, named groupings and the windows' role. None of it changes how anything looks.
namespace accessibility {

// Puts the interfaces of our own widgets in place; widgets made before it keep Qt's plain ones, so it is
// called before any window is made. A second call does nothing.
void install();

// A readout reads as its caption, its text and unit ("Red 64 decimal"), is labelled by caption, and tells of
// each change of its text while it shows.
void setReadout(CaptionLabel &readout, CaptionLabel &caption, const QString &unit = {});
// A label that opens something when clicked: role link, named by its text, its press action clicks it.
void setLink(CaptionLabel &label);
// A picture that acts as a button: role button, its press action clicks it, and it is checked while it
// stands for the current choice.
void setButton(QWidget &picture);
void setChecked(QWidget &picture, bool checked);
// A container that holds controls that belong together.
void setGrouping(QWidget &container, const QString &name);
// A window of its own (role frame), where Qt would call a plain widget a filler.
void setWindow(QWidget &window);
// A container that clips its children: only those that show inside it are read.
void setShownChildrenOnly(QWidget &container);
// Labels a control that has no label on screen with a text that only assistive technology reads: a hidden
// label that names the control as Qt relates labels to controls (on Linux a combo box is named by its text).
void setUnseenLabel(QWidget &control, const QString &text);
// Names the drop-down list of combo after the combo once a screen reader is running; making the list
// sooner would cost the start-up its time.
void nameListWhenRead(QComboBox &combo);

} // namespace accessibility
