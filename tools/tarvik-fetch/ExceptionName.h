#pragma once
#include <exception>
#include <string>

// The class name of an exception as its declaration spells it, without
// namespaces: "ENetSocketError", "FileError".
std::string ExceptionName(const std::exception& error);
