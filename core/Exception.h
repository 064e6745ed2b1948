#pragma once
// The base of every error the system raises. Its message is a Windows-1251 text.
#include "core/AnsiString.h"

#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : FMessage(std::move(message)) {}
    const AnsiString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    AnsiString FMessage;
};

// The message pattern with each "%s" and "%d" replaced by the next argument in turn.
AnsiString FormatMessage(std::string_view pattern, std::initializer_list<AnsiString> args);
