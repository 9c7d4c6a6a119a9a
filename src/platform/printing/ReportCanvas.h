#pragma once

#include <QString>

namespace valorama {

// The drawing operations a report's print event uses, in report units (positions from the
// paper's left and top edges, y being the text's baseline).
class ReportCanvas
{
public:
    virtual ~ReportCanvas() = default;

    virtual void setFont(const QString &name, double points) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setBold(bool on) = 0;
    virtual void gotoXY(double x, double y) = 0;
    // Prints at the current position and moves past the text.
    virtual void print(const QString &text) = 0;
    // Prints with its left edge at x on the current line.
    virtual void printLeft(const QString &text, double x) = 0;
    // Down by the current font's line height, back to the left margin.
    virtual void newLine() = 0;
    virtual void newPage() = 0;
    // Back to the first line of the page for the current font, at the left margin.
    virtual void home() = 0;
    // Re-aligns the line position to the current font (a no-op where lines are already so).
    virtual void adjustLine() { }
    virtual double lineHeight() const = 0;
};

} // namespace valorama
