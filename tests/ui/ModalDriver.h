#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Acts on the next modal dialog once its event loop runs. Should the dialog stay open,
// it is closed with -1 after ten seconds, so the test fails instead of hanging.
class TModalDriver {
public:
    explicit TModalDriver(std::function<void(QDialog &)> act)
    {
        QTimer::singleShot(0, &m_guard, [act] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no dialog is showing";
                return;
            }
            try {
                act(*dialog);
            } catch (const std::exception &e) {
                ADD_FAILURE() << e.what();
                dialog->done(-1);
            }
        });
        m_guard.setSingleShot(true);
        QObject::connect(&m_guard, &QTimer::timeout, &m_guard, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the dialog was still open";
                dialog->done(-1);
            }
        });
        m_guard.start(10'000);
    }

private:
    QTimer m_guard;
};
