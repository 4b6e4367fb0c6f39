#include "app/programend.h"

#include <QCoreApplication>

namespace {

std::function<void(int)> &EndFunction()
{
    static std::function<void(int)> end;
    return end;
}

} // namespace

void EndProgram(int code)
{
    if (EndFunction())
        EndFunction()(code);
    else
        QCoreApplication::exit(code);
}

void SetEndProgram(std::function<void(int)> end)
{
    EndFunction() = std::move(end);
}
