#pragma once
// Scriptable stand-ins for the platform services, for tests and for hosts
// that run without a user (the screenshot run, benchmarks).

#include "services/clipboard.h"
#include "services/clock.h"
#include "services/filedialog.h"
#include "services/messagebox.h"
#include "services/randomsource.h"
#include "services/screenpointer.h"
#include "services/urlopener.h"

#include "core/vb.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// Records every message box and answers from a queue; when the queue is
// empty it answers with the default answer.
class ScriptedMessageBoxes final : public MessageBoxService {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    explicit ScriptedMessageBoxes(int defaultAnswer = msgbox::Ok)
        : defaultAnswer_(defaultAnswer) {}

    void queueAnswer(int answer) { answers_.append(answer); }
    // Answers queued that no box has taken yet.
    qsizetype pendingAnswers() const { return answers_.size(); }
    void dropPendingAnswers() { answers_.clear(); }
    const QList<Shown>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

    int show(const QString& prompt, int style, const QString& title) override {
        shown_.append({prompt, style, title});
        return answers_.isEmpty() ? defaultAnswer_ : answers_.takeFirst();
    }

private:
    int defaultAnswer_;
    QList<int> answers_;
    QList<Shown> shown_;
};

// A clock that moves only when told to; optionally by a fixed step per read.
class ManualClock final : public Clock {
public:
    explicit ManualClock(double start = 0.0, double stepPerRead = 0.0)
        : now_(start)
        , step_(stepPerRead) {}
    void set(double now) { now_ = now; }
    void advance(double by) { now_ += by; }
    void setStepPerRead(double step) { step_ = step; }
    double seconds() override {
        const double now = now_;
        now_ += step_;
        return now;
    }

private:
    double now_;
    double step_;
};

// Draws the numbers it was given, in turn and then from the first again (0
// when it was given none); counts reseeds and draws, and the draws that no
// reseed went before.
class ScriptedRandom final : public RandomSource {
public:
    void script(const QList<double>& numbers) {
        numbers_ = numbers;
        position_ = 0;
    }
    int reseeds() const { return reseeds_; }
    int draws() const { return draws_; }
    int drawsWithoutReseed() const { return drawsWithoutReseed_; }

    void reseed() override {
        ++reseeds_;
        reseeded_ = true;
    }
    double next() override {
        ++draws_;
        if (!reseeded_)
            ++drawsWithoutReseed_;
        reseeded_ = false;
        if (numbers_.isEmpty())
            return 0.0;
        const double u = numbers_.at(position_);
        position_ = (position_ + 1) % numbers_.size();
        return u;
    }

private:
    QList<double> numbers_;
    qsizetype position_ = 0;
    int reseeds_ = 0;
    int draws_ = 0;
    int drawsWithoutReseed_ = 0;
    bool reseeded_ = false;
};

class MemoryClipboard final : public Clipboard {
public:
    void clear() override {
        text_.clear();
        image_ = QImage();
        ++clears_;
    }
    void setText(const QString& text) override { text_ = text; }
    void setImage(const QImage& image) override { image_ = image; }
    const QString& text() const { return text_; }
    const QImage& image() const { return image_; }
    int clears() const { return clears_; }

private:
    QString text_;
    QImage image_;
    int clears_ = 0;
};

// Records every question and answers from a queue; when the queue is empty
// it answers as a user who cancels.
class ScriptedFileDialogs final : public FileDialogService {
public:
    void queueAnswer(const SavePictureAnswer& answer) { answers_.append(answer); }
    void queueCancel() { answers_.append(std::nullopt); }
    const QList<SavePictureQuestion>& asked() const { return asked_; }

    std::optional<SavePictureAnswer> savePicture(const SavePictureQuestion& question) override {
        asked_.append(question);
        return answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
    }

private:
    QList<std::optional<SavePictureAnswer>> answers_;
    QList<SavePictureQuestion> asked_;
};

// Records every address it is asked to open, with the application-wide
// pointer at that moment, and opens nothing. failWith() makes the next
// openings raise a run-time error instead, as an unreachable opener would.
class RecordingUrlOpener final : public UrlOpener {
public:
    struct Opened {
        QString address;
        int screenPointer;
    };

    void failWith(const vb::RuntimeError& error) { failure_ = error; }
    void succeed() { failure_.reset(); }
    const QList<Opened>& opened() const { return opened_; }
    QStringList addresses() const {
        QStringList list;
        for (const Opened& o : opened_)
            list.append(o.address);
        return list;
    }
    void clear() { opened_.clear(); }

    void open(const QString& address) override {
        if (failure_)
            throw *failure_;
        opened_.append({address, screenPointer()});
    }

private:
    std::optional<vb::RuntimeError> failure_;
    QList<Opened> opened_;
};

} // namespace platform
