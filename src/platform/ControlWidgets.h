#pragma once

#include <QAbstractButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/OleDateTime.h"
#include "platform/Painting.h"

// The widgets that stand for the controls of a dialog template.

// Creates the controls of a template inside a dialog's widget, at their converted positions and
// in template order (which is also the tab order), named for a screen reader after their labels.
// Radio buttons between two group starts form one exclusive group, whose checked button (or
// first, while none is) is its one tab stop, so that tabbing into a group never lands where
// Space would change the choice.
void BuildControls(const DialogTemplate& dialog, QWidget* dialogWidget);

// Checked only by the program (a button that shows which panel is in view), never by a click.
class PushButtonWidget : public Painted<QPushButton> {
public:
    PushButtonWidget(const ControlTemplate& control, QWidget* parent);

protected:
    void nextCheckState() override {}
    void PaintOwnLook(QPaintEvent* event) override;
};

// Shows the face its CBitmapButton chooses, and nothing without one.
class OwnerDrawButtonWidget : public PushButtonWidget {
public:
    using PushButtonWidget::PushButtonWidget;

protected:
    void PaintOwnLook(QPaintEvent* event) override;
};

class RadioButtonWidget : public Painted<QRadioButton> {
public:
    RadioButtonWidget(const ControlTemplate& control, QWidget* parent);
};

// An etched frame with its title on the frame's top line, as dialog group boxes look.
class GroupBoxWidget : public Painted<QGroupBox> {
public:
    GroupBoxWidget(const ControlTemplate& control, QWidget* parent);
    // The width a title needs to show whole on the frame.
    static int NeededWidth(const QFontMetrics& metrics, const QString& title);

protected:
    void PaintOwnLook(QPaintEvent* event) override;

private:
    static int TitleLeft(const QFontMetrics& metrics);
};

// A text, a black frame or a picture.
class StaticWidget : public Painted<QLabel> {
public:
    StaticWidget(const ControlTemplate& control, QWidget* parent);
    // A picture static takes the size of its bitmap.
    void FitPicture();

protected:
    void PaintOwnLook(QPaintEvent* event) override;

private:
    ControlKind m_kind;
};

class EditWidget : public Painted<QLineEdit> {
public:
    EditWidget(const ControlTemplate& control, QWidget* parent);
    // A read-only edit shows the dialog's face colour behind its text.
    void SetReadOnlyLook(bool readOnly);
};

// A report list: one row per item, one column per report column.
class ListWidget : public Linked<QTreeWidget> {
public:
    ListWidget(const ControlTemplate& control, QWidget* parent);

    int AddColumn(const QString& heading, int format, int width);
    int ColumnFormat(int column) const;
    // Inserts a row (at the end when `row` is past it) and returns where it went.
    int InsertRow(int row, const QString& text);
    // The whole text of the cell under a point of the viewport when the cell cuts it off, else
    // empty: what the cell's tooltip shows.
    QString CutTextAt(const QPoint& point) const;
    // The last column takes the width the others leave, as the vertical scroll bar comes and
    // goes, so no horizontal scroll bar shows while the other columns fit.
    void FillWithLastColumn(bool fill);

protected:
    bool viewportEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    std::vector<int> m_formats;
    bool m_fillWithLastColumn = false;
};

// Tells its dialog NM_RELEASEDCAPTURE when the mouse lets go of it, and when a key, the wheel or
// a screen reader moves it, so that what the thumb shows is what the program takes. Moves made
// by the program itself tell nothing.
class SliderWidget : public Painted<QSlider> {
public:
    SliderWidget(const ControlTemplate& control, QWidget* parent);
    // Where the mouse takes hold of the thumb, and where it lets go to leave it at `value`.
    QPoint ThumbCentre() const;
    QPoint DropPointFor(int value) const;

    // Moves the thumb for the user (a screen reader setting the value).
    void MoveByUser(int value);
    // What a screen reader reads as the value instead of the position ("70 kilos"); empty while
    // the program gives none.
    const QString& ValueText() const { return m_valueText; }
    void SetValueText(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void PaintOwnLook(QPaintEvent* event) override;

private:
    void TellIfMoved(int before);

    bool m_mouseDown = false;
    QString m_valueText;
};

// Shows the user's short date; keeps the time of day it was given.
class DateWidget : public Linked<QDateEdit> {
public:
    DateWidget(const ControlTemplate& control, QWidget* parent);
    bool SetTime(const COleDateTime& time);
    bool GetTime(COleDateTime& time) const;

private:
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
};

// Checks or unchecks a button; an exclusive group does not stop a radio being unchecked.
void SetButtonChecked(QAbstractButton* button, bool checked);
