#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "model/UProjects.h"

// The three data files as bytes: reading them into the model and writing the
// model out. The files themselves are handled by the collections' Load and
// Save methods.
namespace datafiles {

// Replaces the content of `categories` by one entry per line.
void ReadCategories(std::string_view bytes, TTextList& categories);

// Append the records the bytes hold. A record with too few fields stops the
// read with "List index out of bounds (%d)" (ReadStopped, a std::out_of_range
// that knows the line); what was appended until then stays.
void ReadProjects(std::string_view bytes, TProjects& projects);
void ReadHours(std::string_view bytes, THours& hours);

// Receives the bytes of a file being written, a piece at a time.
using TextSink = std::function<void(std::string_view piece)>;

// Write the bytes of each file to `sink` in pieces of some hundred
// kilobytes that end at line ends, so that a large file is never held whole.
void WriteCategoriesText(const TTextList& categories, const TextSink& sink);
void WriteProjectsText(const TProjects& projects, const TextSink& sink);
void WriteHoursText(const THours& hours, const TextSink& sink);

// The same bytes whole, for comparing them (the tests and the fuzzer).
std::string CategoriesText(const TTextList& categories);
std::string ProjectsText(const TProjects& projects);
std::string HoursText(const THours& hours);

}  // namespace datafiles
