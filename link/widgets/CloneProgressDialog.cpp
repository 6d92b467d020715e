#include "CloneProgressDialog.h"
#include "Texts.h"

#include "AccessCodeDialog.h"
#include "CloneWorker.h"
#include "ProblemBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

CloneProgressDialog::CloneProgressDialog(CloneDirection direction, QString port, MemoryImage& image,
                                         CloneFlags& flags, QWidget* parent,
                                         CloneEngine::Hooks timing)
    : QDialog(parent), direction_(direction), port_(std::move(port)), image_(image), flags_(flags),
      bar_(new QProgressBar), percent_(new QLabel(QStringLiteral("0%"))),
      startButton_(new QPushButton(Texts::tr("Start"))),
      exitButton_(new QPushButton(Texts::tr("Exit"))), timing_(std::move(timing)) {
    const bool reading = direction == CloneDirection::Read;
    setWindowTitle(reading ? Texts::tr("Read") : Texts::tr("Write"));
    setModal(true);
    bar_->setRange(0, reading ? CloneEngine::kReadBlocks : CloneEngine::kWriteBlocks);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(Texts::tr("Progress"));
    percent_->setAccessibleName(Texts::tr("Percent"));
    percent_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    startButton_->setAccessibleName(startButton_->text());
    exitButton_->setAccessibleName(exitButton_->text());
    startButton_->setDefault(true);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(bar_, 1);
    progressRow->addWidget(percent_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addWidget(exitButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(progressRow);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(startButton_, &QPushButton::clicked, this, &CloneProgressDialog::start);
    connect(exitButton_, &QPushButton::clicked, this, &CloneProgressDialog::requestExit);
}

CloneProgressDialog::~CloneProgressDialog() {
    if (thread_) {
        flags_.cancel = true;
        thread_->quit();
        thread_->wait();
    }
}

void CloneProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (startWhenShown_)
        QTimer::singleShot(0, this, &CloneProgressDialog::start);
}

void CloneProgressDialog::start() {
    if (flags_.busy || thread_)
        return; // one transfer at a time: a second "Start" does nothing
    startButton_->setEnabled(false);
    flags_.busy = true; // set at once so that a quick second click finds it
    thread_ = new QThread(this);
    auto* worker = new CloneWorker(direction_, port_, image_, flags_, this, mailbox_, timing_);
    worker->moveToThread(thread_);
    connect(thread_, &QThread::started, worker, &CloneWorker::run);
    connect(thread_, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &CloneWorker::progressed, this, &CloneProgressDialog::showProgress);
    connect(worker, &CloneWorker::finished, this, &CloneProgressDialog::transferFinished);
    thread_->start();
}

void CloneProgressDialog::showProgress(int done, int total) {
    bar_->setValue(done);
    percent_->setText(QStringLiteral("%1%").arg(bar_->value() * 100 / total));
}

void CloneProgressDialog::transferFinished(int outcome, const QString& message,
                                           const QString& detail) {
    thread_->quit();
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    succeeded_ = outcome == CloneReport::Success;
    summary_ = transferSummary(direction_, port_,
                               CloneReport(CloneReport::Outcome(outcome), message, detail),
                               promptCancelled_);
    if (!message.isEmpty()) {
        showProblem(this, message, detail);
    }
    succeeded_ ? accept() : QDialog::reject();
}

void CloneProgressDialog::requestExit() {
    flags_.cancel = true;
    if (!flags_.busy && !thread_)
        QDialog::reject();
}

void CloneProgressDialog::reject() {
    requestExit();
}

void CloneProgressDialog::closeEvent(QCloseEvent* event) {
    requestExit();
    event->ignore(); // requestExit closes the dialog itself when nothing runs
}

void CloneProgressDialog::askAccessCode() {
    AccessCodeDialog prompt(this);
    if (prompt.exec() != QDialog::Accepted) {
        promptCancelled_ = true;
        mailbox_.put(std::nullopt);
        return;
    }
    mailbox_.put(prompt.code());
}

#include "moc_CloneProgressDialog.cpp"
