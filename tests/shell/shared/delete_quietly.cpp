// Deletes the file named on the command line with DeleteFileQuietly, so that
// a test can run the deletion as another user.
#include "shell/shared/FileRoutines.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    shell::DeleteFileQuietly(QString::fromLocal8Bit(argv[1]));
    return 0;
}
