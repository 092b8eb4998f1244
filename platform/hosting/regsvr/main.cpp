// ombrelo-regsvr: the registration command for control libraries.

#include "hosting/regsvr/regsvr.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return regsvr::run(app.arguments().mid(1), out, err);
}
