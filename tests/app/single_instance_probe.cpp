// Runs the single-instance check like the program does: prints "primary" (or "alone") and then one
// "reopen" line per later launch, or exits 0 after telling the running instance.
#include <QCoreApplication>
#include <cstdio>

#include "app/single_instance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("joyvane"));
    joyvane::app::SingleInstance instance;
    switch (instance.start([] {
        std::printf("reopen\n");
        std::fflush(stdout);
    })) {
        case joyvane::app::SingleInstance::Role::secondary:
            return 0;
        case joyvane::app::SingleInstance::Role::failed:
            std::fprintf(stderr, "%s\n", qPrintable(instance.error()));
            return 1;
        case joyvane::app::SingleInstance::Role::alone:
            std::printf("alone\n");
            std::fflush(stdout);
            break;
        case joyvane::app::SingleInstance::Role::primary:
            std::printf("primary\n");
            std::fflush(stdout);
            break;
    }
    return QCoreApplication::exec();
}
