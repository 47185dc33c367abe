#include "app/corvane_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return COrvaneApp().Run();
}
