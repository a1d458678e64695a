#include "model/DataFileFormats.h"

#include <algorithm>
#include <memory>

#include "model/FieldEncoding.h"
#include "model/LineFormat.h"
#include "model/PieceWriter.h"
#include "model/UUtils.h"

namespace datafiles {
namespace {

constexpr std::string_view kHeaderPrefix = "Header^";
constexpr std::string_view kTerminator = "EndProject";
constexpr std::string_view kLineBreak = "\r\n";

// Without the spaces and control characters (every byte up to 0x20) at
// either end, the bytes a blank line consists of.
std::string_view TrimmedOfControls(std::string_view line) {
  while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
  while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
  return line;
}

template <typename Write>
std::string Collected(Write write) {
  std::string all;
  write([&all](std::string_view piece) { all.append(piece); });
  return all;
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
  // A project's tasks wait here until it closes, so that its list is
  // allocated once at its final size rather than grown task by task; the
  // buffer itself is reused from project to project.
  struct PendingTask {
    std::string entry_text;
    std::unique_ptr<TTask> task;
  };
  std::vector<PendingTask> pending;
  std::unique_ptr<TProject> current;
  auto close_current = [&] {
    if (!current) return;
    current->Tasks.Reserve(pending.size());
    for (PendingTask& task : pending) current->Tasks.Add(std::move(task.entry_text), std::move(task.task));
    pending.clear();
    std::string name = current->Name;
    projects.Add(std::move(name), std::move(current));
  };
  std::vector<std::string_view> header;
  std::vector<std::string_view> parts;
  std::string unquoted;
  LineReader lines(bytes);
  for (std::string_view line; lines.Next(line);) {
    if (IsBlankLine(line)) continue;
    if (line.starts_with(kHeaderPrefix)) {
      SplitDelimited('^', line, header);
      if (header.size() < 5) throw ReadStopped(header.size(), lines.LineNumber());
      close_current();
      current = std::make_unique<TProject>();
      current->Name = DecodeField(header[1]);
      current->Category = DecodeField(header[2]);
      current->StartDate = DecodeField(header[3]);
      current->EndDate = DecodeField(header[4]);
    } else if (TrimmedOfControls(line) == kTerminator) {
      close_current();
    } else {
      SplitTaskLine(line, parts, unquoted);
      if (parts.size() < 5) throw ReadStopped(parts.size(), lines.LineNumber());
      if (!current) current = std::make_unique<TProject>();
      std::string name = DecodeField(parts[1]);
      std::string entry_text = name;
      pending.push_back({std::move(entry_text),
                         std::make_unique<TTask>(parts[0] == "True", std::move(name), DecodeField(parts[2]),
                                                 DecodeField(parts[3]), DecodeField(parts[4]))});
    }
  }
  close_current();
}

void ReadHours(std::string_view bytes, THours& hours) {
  // Room for one entry a line, grown once rather than doubling its way up.
  // A planner line holds a day, an hour, carets and a line break, hardly
  // ever fewer than 16 bytes; the cap keeps a file of blank lines from
  // reserving room for entries it does not hold.
  hours.Reserve(static_cast<size_t>(hours.Count()) + std::min(LineCountEstimate(bytes), bytes.size() / 16));
  std::vector<std::string_view> parts;
  LineReader lines(bytes);
  for (std::string_view line; lines.Next(line);) {
    if (IsBlankLine(line)) continue;
    SplitDelimited('^', line, parts);
    if (parts.size() < 3) throw ReadStopped(parts.size(), lines.LineNumber());
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

void WriteCategoriesText(const TTextList& categories, const TextSink& sink) {
  PieceWriter out(sink);
  for (int i = 0; i < categories.Count(); ++i) {
    out.AppendField(categories.Strings(i), Caret::kKept);
    out.Append(kLineBreak);
    out.RecordDone();
  }
  out.Flush();
}

void WriteProjectsText(const TProjects& projects, const TextSink& sink) {
  PieceWriter out(sink);
  for (int i = 0; i < projects.Count(); ++i) {
    const TProject& project = *projects.Objects(i);
    out.Append(kHeaderPrefix);
    for (const std::string* field : {&project.Name, &project.Category, &project.StartDate, &project.EndDate}) {
      out.AppendField(*field, Caret::kEscaped);
      out.Append("^");
    }
    out.Append(kLineBreak);
    for (int t = 0; t < project.Tasks.Count(); ++t) {
      const TTask& task = *project.Tasks.Objects(t);
      out.Append(task.Done ? "^True^,^" : "^False^,^");
      out.AppendField(task.Name, Caret::kEscaped);
      for (const std::string* field : {&task.Notes, &task.StartDate, &task.EndDate}) {
        out.Append("^,^");
        out.AppendField(*field, Caret::kEscaped);
      }
      out.Append("^\r\n");
      out.RecordDone();
    }
    out.Append(kTerminator);
    out.Append(kLineBreak);
    out.RecordDone();
  }
  out.Flush();
}

void WriteHoursText(const THours& hours, const TextSink& sink) {
  PieceWriter out(sink);
  for (int i = 0; i < hours.Count(); ++i) {
    const TToDoHour& entry = *hours.Objects(i);
    for (const std::string* field : {&entry.Day, &entry.Hour, &entry.Action}) {
      out.AppendField(*field, Caret::kEscaped);
      out.Append("^");
    }
    out.Append(kLineBreak);
    out.RecordDone();
  }
  out.Flush();
}

std::string CategoriesText(const TTextList& categories) {
  return Collected([&](const TextSink& sink) { WriteCategoriesText(categories, sink); });
}

std::string ProjectsText(const TProjects& projects) {
  return Collected([&](const TextSink& sink) { WriteProjectsText(projects, sink); });
}

std::string HoursText(const THours& hours) {
  return Collected([&](const TextSink& sink) { WriteHoursText(hours, sink); });
}

}  // namespace datafiles
