#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One copy of the program at a time: the first copy listens on a local socket named after
// the program file; a later copy asks it to come forward and ends.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit TSingleInstance(QString name, QObject *parent = nullptr);
    ~TSingleInstance() override;

    // The program file's name without its folder.
    static QString ProgramName();

    // True when this is the only copy (it now listens); false when another copy runs, which
    // has been asked to raise its window.
    bool Claim();

signals:
    // A later copy asked this one to bring its window forward.
    void RaiseRequested();

private:
    bool AskRunningCopy();
    void ReadRequest();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
