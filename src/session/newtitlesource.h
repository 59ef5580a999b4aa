#pragma once

#include <QString>

namespace Session {

// The new title a row would get now, with the error that would stop the retitling; both empty
// for a row that is not to be retitled.
struct NewTitleCell
{
    QString title;
    QString error;

    bool operator==(const NewTitleCell &) const = default;
};

// Where the picture table's "New title" column comes from: asked only for the rows a view
// shows, so a source composes them one by one as they come into sight.
class NewTitleSource
{
public:
    virtual ~NewTitleSource() = default;
    virtual NewTitleCell newTitle(int row) = 0;
};

} // namespace Session
