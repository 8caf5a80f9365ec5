// What the run needs of the window: the operator's boxes and choices, the
// two progress lines, message boxes, the result grid and a chance for the
// window to repaint. The Qt window implements it; tests use a recording one.
#pragma once

#include <QString>

enum class Pointer { Arrow, Busy };

class Operator {
public:
    virtual ~Operator() = default;

    // The boxes and choices as the operator left them.
    virtual QString txtPriceList() const = 0;
    virtual QString txtDataVelkadine() const = 0;
    virtual QString txtServer() const = 0;
    virtual QString txtdbq() const = 0;
    virtual QString txtuid() const = 0;
    virtual QString txtpwd() const = 0;
    virtual bool optAccess() const = 0;      // false: optSQL is chosen
    virtual bool chkLikelAt() const = 0;

    // Progress lines.
    virtual void setTxtQTY(const QString& text) = 0;
    virtual void setTxtPartNO(const QString& text) = 0;

    // A message box with the text only and an OK button; style 48 warning
    // icon, 32 question icon, 0 no icon.
    virtual void message(const QString& text, int style) = 0;

    // The pointer and the button for the length of a run.
    virtual void setPointer(Pointer p) = 0;
    virtual void setUpdateEnabled(bool enabled) = 0;

    // Lets the window handle its events (repaint, close).
    virtual void yield() = 0;

    // The result grid msgDetail.
    virtual int gridRows() const = 0;
    virtual void setGridRows(int rows) = 0;
    virtual QString gridText(int row, int col) const = 0;
    virtual void setGridText(int row, int col, const QString& text) = 0;
};
