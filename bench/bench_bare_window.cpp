// The yardstick of tools/startup-bench.sh: a bare Qt window with an 801-row table of twelve
// columns, as the program's channel window shows it, and nothing else.
#include "QuitWhenShown.h"

#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* table = new QTableWidget(800, 11);
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1.%2").arg(r).arg(c)));
    window.setCentralWidget(table);
    window.resize(1200, 800);
    window.show();
    quitWhenShownIfAsked(&window);
    return app.exec();
}
