#pragma once

#include <QString>

namespace Session {

// What the picture table needs of the subjects table when it restores a resumed session.
class SubjectSource
{
public:
    virtual ~SubjectSource() = default;

    virtual int count() const = 0;
    virtual QString subject(int index) const = 0;
    virtual bool isRemoved(int index) const = 0;
    // The active record with this lower-case subject text, or -1.
    virtual int activeIndexOf(const QString &lowerCaseSubject) const = 0;
    virtual void reactivate(int index) = 0;
};

// The subjects table of a program without subjects.
class NoSubjects final : public SubjectSource
{
public:
    int count() const override { return 0; }
    QString subject(int) const override { return {}; }
    bool isRemoved(int) const override { return false; }
    int activeIndexOf(const QString &) const override { return -1; }
    void reactivate(int) override {}
};

} // namespace Session
