#include "SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int WaitMs = 1000;
const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");

} // namespace

TSingleInstance::TSingleInstance(QString name, QObject *parent) : QObject(parent), m_name(std::move(name)) {}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ProgramName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

bool TSingleInstance::AskRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(WaitMs))
        return false;
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(WaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(WaitMs);
    return true;
}

bool TSingleInstance::Claim()
{
    if (m_server)
        return true;
    if (AskRunningCopy())
        return false;
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_name)) {
        // A copy that started at the same moment, or the socket of one that crashed.
        if (server->serverError() == QAbstractSocket::AddressInUseError && AskRunningCopy()) {
            delete server;
            return false;
        }
        QLocalServer::removeServer(m_name);
        if (!server->listen(m_name)) {
            delete server;
            return true;  // no guard can be had: run rather than refuse to start
        }
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &TSingleInstance::ReadRequest);
    return true;
}

void TSingleInstance::ReadRequest()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(RaiseRequest.trimmed()))
                emit RaiseRequested();
        });
        if (socket->bytesAvailable() > 0 && socket->readAll().contains(RaiseRequest.trimmed()))
            emit RaiseRequested();
    }
}
