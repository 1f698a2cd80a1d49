// aw-sheetgen OUT: writes the built-in record-sheet layout block (uncompressed): the form's
// background bitmap and its drawing items.

#include "base/Files.h"
#include "output/SheetLayout.h"
#include "tools/sheetgen/GreyBitmapFile.h"
#include "tools/sheetgen/SheetForm.h"
#include "tools/sheetgen/SheetItems.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>

int main(int argc, char *argv[])
{
    using namespace aw;
    if (argc != 2) {
        std::cerr << "Usage: aw-sheetgen OUT\n"
                     "Writes the record-sheet layout block (background bitmap and drawing items).\n";
        return 2;
    }
    const std::string out = argv[1];
    // Captions need fonts, fonts need an application object; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    try {
        SheetLayout layout;
        layout.Background = GreyBitmapFile(DrawSheetForm());
        layout.Items = BuiltInSheetItems();
        WriteFileAtomically(out, SheetLayoutBytes(layout));
    } catch (const std::exception &e) {
        std::cerr << "aw-sheetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
