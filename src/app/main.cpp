#include "components/AppError.h"
#include "components/Connection.h"
#include "hospitaldb/Schema.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillax"));
    QApplication::setOrganizationName(QStringLiteral("Quillax"));
    std::unique_ptr<qx::Connection> connection;
    try {
        connection = qx::Connection::open(qx::configuredDatabaseUrl());
        qx::hospitaldb::migrate(*connection);
    } catch (const qx::AppError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Quillax"), e.description());
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillax"));
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
