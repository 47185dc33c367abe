// orvane-cli: one reader operation of orvane per run, for scripts.

#include "cli/cli_run.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCli(application.arguments().mid(1), out, err, isatty(STDERR_FILENO) == 1);
}
