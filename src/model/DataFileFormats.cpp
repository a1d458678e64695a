#include "model/DataFileFormats.h"

#include <memory>

#include "model/FieldEncoding.h"
#include "model/LineFormat.h"
#include "model/UUtils.h"

namespace datafiles {
namespace {

constexpr std::string_view kHeaderPrefix = "Header^";
constexpr std::string_view kTerminator = "EndProject";

std::string_view TrimmedOfBlanks(std::string_view line) {
  while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
  while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
  return line;
}

// About the size of the saved projects file, so that the text is built
// without being copied as it grows.
size_t SavedSizeEstimate(const TProjects& projects) {
  size_t size = 0;
  for (int i = 0; i < projects.Count(); ++i) {
    const TProject& project = *projects.Objects(i);
    size += 24 + project.Name.size() + project.Category.size() + project.StartDate.size() + project.EndDate.size();
    for (int t = 0; t < project.Tasks.Count(); ++t) {
      const TTask& task = *project.Tasks.Objects(t);
      size += 24 + task.Name.size() + task.Notes.size() + task.StartDate.size() + task.EndDate.size();
    }
  }
  return size;
}

}  // namespace

// Reads the projects file into `projects`. Line kinds are told apart by how
// the writer begins them: a header begins with "Header^", a task line with
// "^", and the terminator is a line of its own. So a task named "Page Header"
// or notes mentioning EndProject stay tasks. Nothing read is dropped: a
// project left open by a new header or by the end of the file is still
// added, a task line outside any project opens a project of its own (with
// empty name and category, so the next save keeps it), and a stray
// terminator, which carries no data, is passed over.
void ReadProjects(std::string_view bytes, TProjects& projects) {
  std::unique_ptr<TProject> current;
  auto close_current = [&] {
    if (!current) return;
    std::string name = current->Name;
    projects.Add(std::move(name), std::move(current));
  };
  std::vector<std::string_view> header;
  std::vector<std::string> parts;
  LineReader lines(bytes);
  for (std::string_view line; lines.Next(line);) {
    if (IsBlankLine(line)) continue;
    if (line.starts_with(kHeaderPrefix)) {
      SplitDelimited('^', line, header);
      if (header.size() < 5) ThrowListIndexError(header.size());
      close_current();
      current = std::make_unique<TProject>();
      current->Name = DecodeField(header[1]);
      current->Category = DecodeField(header[2]);
      current->StartDate = DecodeField(header[3]);
      current->EndDate = DecodeField(header[4]);
    } else if (TrimmedOfBlanks(line) == kTerminator) {
      close_current();
    } else {
      SplitTaskLine(line, parts);
      if (parts.size() < 5) ThrowListIndexError(parts.size());
      if (!current) current = std::make_unique<TProject>();
      std::string name = DecodeField(parts[1]);
      std::string entry_text = name;
      current->Tasks.Add(std::move(entry_text), std::make_unique<TTask>(parts[0] == "True", std::move(name),
                                                             DecodeField(parts[2]), DecodeField(parts[3]),
                                                             DecodeField(parts[4])));
    }
  }
  close_current();
}

void ReadHours(std::string_view bytes, THours& hours) {
  std::vector<std::string_view> parts;
  LineReader lines(bytes);
  for (std::string_view line; lines.Next(line);) {
    if (IsBlankLine(line)) continue;
    SplitDelimited('^', line, parts);
    if (parts.size() < 3) ThrowListIndexError(parts.size());
    auto entry = std::make_unique<TToDoHour>(DecodeField(parts[0]), DecodeField(parts[1]), DecodeField(parts[2]));
    std::string key = PlannerKey(entry->Day, entry->Hour);
    hours.Add(std::move(key), std::move(entry));
  }
}



void ReadCategories(std::string_view bytes, TTextList& categories) {
  categories.Clear();
  LineReader lines(bytes);
  for (std::string_view line; lines.Next(line);) categories.Add(DecodeField(line));
}


std::string CategoriesText(const TTextList& categories) {
  std::string bytes;
  for (int i = 0; i < categories.Count(); ++i) {
    AppendEncodedField(bytes, categories.Strings(i), Caret::kKept);
    AppendLine(bytes, "");
  }
  return bytes;
}

std::string ProjectsText(const TProjects& projects) {
  std::string bytes;
  bytes.reserve(SavedSizeEstimate(projects));
  for (int i = 0; i < projects.Count(); ++i) {
    const TProject& project = *projects.Objects(i);
    bytes += "Header^";
    for (const std::string* field : {&project.Name, &project.Category, &project.StartDate, &project.EndDate}) {
      AppendEncodedField(bytes, *field, Caret::kEscaped);
      bytes += '^';
    }
    AppendLine(bytes, "");
    for (int t = 0; t < project.Tasks.Count(); ++t) {
      const TTask& task = *project.Tasks.Objects(t);
      bytes += task.Done ? "^True^,^" : "^False^,^";
      AppendEncodedField(bytes, task.Name, Caret::kEscaped);
      for (const std::string* field : {&task.Notes, &task.StartDate, &task.EndDate}) {
        bytes += "^,^";
        AppendEncodedField(bytes, *field, Caret::kEscaped);
      }
      AppendLine(bytes, "^");
    }
    AppendLine(bytes, kTerminator);
  }
  return bytes;
}

std::string HoursText(const THours& hours) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(hours.Count()) * 40);
  for (int i = 0; i < hours.Count(); ++i) {
    const TToDoHour& entry = *hours.Objects(i);
    for (const std::string* field : {&entry.Day, &entry.Hour, &entry.Action}) {
      AppendEncodedField(bytes, *field, Caret::kEscaped);
      bytes += '^';
    }
    AppendLine(bytes, "");
  }
  return bytes;
}

}  // namespace datafiles
