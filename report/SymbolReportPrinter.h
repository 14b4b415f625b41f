#pragma once

#include "PrintError.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPrinter;

// The printed "Saved Symbols" table: a title, a heading line and one line per
// row of the report's record set, laid out with tab stops as a line printer
// would. The same routine prints on the system's printer and, in the tests, to
// a PDF file, so what the user gets on paper is what the tests read back.
namespace ondara {

class CalculationCursor;
class CalculationStore;

// The heading, tabs included.
QString reportHeadingLine();

// One row's line from its values as text, in the order of the twelve columns
// the report list shows (the ID is never printed): the nine of the saved row,
// then Reached, Extreme and Invalid. Each column after Time is two tab stops
// wide (Reached four), and a value gets as many tabs as it takes to reach the
// next column's stop, one at least: a price of fewer than eight characters two, so
// that columns meet the tab stops eight character widths apart.
QString reportRowLine(const QStringList &values);

// Prints every row rows reads, from its first, with what became of it against
// the prices of store. Prints nothing, and does not start the printer, when
// there is none. Throws PrintError when the printer fails and StoreError when
// a row cannot be read.
void printSymbolReport(QPrinter &printer, const CalculationStore &store, CalculationCursor rows);

// Lines of text on the pages of a printer, each piece after a tab starting at
// the next tab stop; a line that no longer fits goes to a new page.
class TabbedPageWriter
{
public:
    explicit TabbedPageWriter(QPrinter &printer);
    ~TabbedPageWriter();
    TabbedPageWriter(const TabbedPageWriter &) = delete;
    TabbedPageWriter &operator=(const TabbedPageWriter &) = delete;

    // Starts the document; throws PrintError(CannotStart).
    void begin();
    // Throws PrintError(CannotFinish).
    void end();

    void setFont(double pointSize, bool bold, bool underline);
    // Makes lines of that many tab stops and then the text last, in the font
    // in use, fit the page's width: everything from here on is drawn smaller
    // where they would not.
    void fitLineWidth(int stops, const QString &last);
    // Throws PrintError(CannotAddPage).
    void printLine(const QString &line);

    // Tab stops are eight average character widths of the font in use, in
    // the printer's own units, so they hold at any resolution.
    double characterWidth() const;
    double tabWidth() const;

private:
    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    double m_y = 0;
    double m_scale = 1;
};

} // namespace ondara
