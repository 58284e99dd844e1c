// SPDX-License-Identifier: MIT
#include "catalogue/softwarelist.h"

#include <iterator>

namespace {

struct Entry
{
    const char *title;
    const char *description;
    const char *page;
};

// Kept in alphabetical order of title: the catalogue shows them as they stand.
constexpr Entry kEntries[] = {
    {"Address Book",
     "Keeps names, addresses, telephone numbers and notes in one small file, finds any entry as you type, "
     "and "
     "prints address labels and envelopes.",
     "addrbook/addrbook.htm"},
    {"Batch Renamer",
     "Renames a whole folder of files in one step: numbering, dates, changes of case and search-and-replace, "
     "with a preview of every new name before anything is changed.",
     "renamer/renamer.htm"},
    {"Character Map Plus",
     "Shows every character of a font in a large grid, with its decimal and hexadecimal code and the HTML "
     "entity, and copies any character or code to the clipboard.",
     "charmap/charmap.htm"},
    {"Clipboard Keeper",
     "Remembers the last hundred texts you copied, so that you can paste any of them again, and keeps the "
     "ones "
     "you use often in a list of their own.",
     "clipkeep/clipkeep.htm"},
    {"Date Calculator",
     "Counts the days, weeks and working days between two dates, adds days to a date, and tells the day of "
     "the "
     "week of any date from 1753 on.",
     "datecalc/datecalc.htm"},
    {"Disk Space Viewer",
     "Draws a map of a drive in which every folder is a box the size of the space it takes, so that you find "
     "at "
     "a glance what fills your disk.",
     "diskview/diskview.htm"},
    {"File Compare",
     "Compares two text files line by line and shows them side by side with the differences in colour; it "
     "can "
     "also compare two folders and list the files that differ.",
     "filecomp/filecomp.htm"},
    {"Font Sampler",
     "Prints a sample sentence in every font installed on your computer, or in the fonts you choose, so that "
     "you "
     "can compare them on screen or on paper.",
     "fonts/fonts.htm"},
    {"HTML Table Maker",
     "Turns rows and columns typed or pasted from a spreadsheet into a tidy HTML table, with your choice of "
     "borders, padding and colours.",
     "tables/tables.htm"},
    {"Icon Studio",
     "Draws and edits icons pixel by pixel in all the usual sizes and colour depths, and extracts the icons "
     "of "
     "programs and libraries.",
     "icons/icons.htm"},
    {"Loan Planner",
     "Works out the payments of a loan or a mortgage for any rate and term, and prints the full table of "
     "payments with the interest and the balance after each one.",
     "loan/loan.htm"},
    {"Screen Ruler",
     "Lays a ruler over anything on the screen and measures it in pixels, inches or centimetres; a magnifier "
     "shows the pixels under the pointer.",
     "ruler/ruler.htm"},
    {"Text Search",
     "Searches all the text files of a folder and its subfolders for a word or a phrase and lists every line "
     "found, with the name of its file.",
     "search/search.htm"},
    {"Unit Converter",
     "Converts lengths, areas, volumes, weights, temperatures, speeds and more than two hundred other units, "
     "as you type.",
     "units/units.htm"},
};

static_assert(std::size(kEntries) <= kSoftwareItemSlots);

} // namespace

qint16 FillSoftwareList(const QString &strHomePage, SoftwareItemTable &SoftwareItems)
{
    SoftwareItems.fill({});
    qint16 count = 0;
    for (const Entry &entry : kEntries) {
        SoftwareItems[count] = {QString::fromUtf8(entry.title), QString::fromUtf8(entry.description),
                                strHomePage + QString::fromUtf8(entry.page)};
        ++count;
    }
    return count;
}
