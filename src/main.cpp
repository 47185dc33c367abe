#include "app/application.h"
#include "command_line.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const std::optional<int> exitCode = AnswerCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    if (const std::optional<int> exitCode = RefuseLeftoverArguments(argc, argv))
        return *exitCode;
    return Application().Run();
}
