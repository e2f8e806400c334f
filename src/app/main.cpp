#include "vantrel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lives until the process ends; closing the only window ends the event loop.
    auto *dialog = new vantrel;
    dialog->show();
    return app.exec();
}
