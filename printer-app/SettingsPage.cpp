// SPDX-License-Identifier: Apache-2.0
#include "printer-app/SettingsPage.h"

#include <unistd.h>

#include <string>

#include "download/DownloadSettings.h"
#include "download/mdlFlagSettings.h"
#include "printer-app/Driver.h"
#include "printer-app/JobBytes.h"
#include "printer-app/SettingsForm.h"
#include "printjob/Messages.h"
#include "settings/SelectionBoxes.h"

namespace printerapp {

namespace {

constexpr const char* kPageName = "permanent-settings";
constexpr const char* kPageTitle = "Permanent Settings";

// Rebuilds the lists and enabled states in the browser as the rules table says, so that what
// the user picks is what the server will accept.
constexpr const char* kRulesScript = R"(
function settingsBox(name) { return document.querySelector('select[name="' + name + '"]'); }
function runRule(name) {
  const rule = settingsRules.find(r => r.box === name);
  if (!rule) return;
  const chosen = settingsBox(name).selectedIndex;
  for (const consequence of rule.consequences) {
    const box = settingsBox(consequence.box);
    if (consequence.lists.length) {
      box.length = 0;
      for (const entry of consequence.lists[chosen]) box.add(new Option(entry, entry));
      box.selectedIndex = 0;
      runRule(consequence.box);
    }
    if (consequence.enabled.length) box.disabled = !consequence.enabled[chosen];
  }
}
for (const rule of settingsRules) settingsBox(rule.box).addEventListener('change', () => runRule(rule.box));
)";

std::string pagePath(pappl_printer_t* printer) {
  char path[1024];
  return papplPrinterGetPath(printer, kPageName, path, sizeof(path));
}

settings::Selections defaultSelections() {
  settings::NoView view;
  settings::SelectionBoxes boxes(view);
  boxes.IntializeSelectionBoxes();
  return boxes.selections();
}

// Writes the bytes into a file of the printer's spool and queues it as a job in the printer's
// own format. Empty when it is queued; why not otherwise.
std::string queueSettingsJob(pappl_client_t* client, pappl_printer_t* printer,
                             const settings::Selections& selections) {
  const platform::ByteString command =
      mdlFlagSettings::settingsCommand(mdlFlagSettings::fncGetFlagWords(selections));
  char file[1024];
  if (!spoolFile(printer, "settings", command, file, sizeof(file))) {
    return "Unable to write the settings job's file.";
  }
  const char* user = papplClientGetUsername(client);
  if (!papplJobCreateWithFile(printer, user && *user ? user : "guest", kNativeFormat,
                              mdlFlagSettings::kSettingsDocumentName, 0, nullptr, file)) {
    unlink(file);
    return "The printer did not take the settings job.";
  }
  return "";
}

// What a post asks for, done; the text to show above the form, and the selections to show.
std::string handlePost(pappl_client_t* client, pappl_printer_t* printer,
                       settings::Selections& shown) {
  cups_option_t* form = nullptr;
  const int count = papplClientGetForm(client, &form);
  FormFields fields;
  for (int i = 0; i < count; ++i) fields[form[i].name] = form[i].value;
  const bool valid = papplClientIsValidForm(client, count, form);
  cupsFreeOptions(count, form);
  if (!valid) return "Invalid form submission.";

  FormChoice choice;
  if (fields.count("restore")) {
    choice.selections = defaultSelections();
  } else {
    choice = selectionsFromForm(fields);
  }
  if (!choice.selections) return choice.refusal + " Nothing was sent.";
  if (papplPrinterGetNumberOfActiveJobs(printer) > 0) return messages::printerBusy().text;
  const std::string failed = queueSettingsJob(client, printer, *choice.selections);
  if (!failed.empty()) return failed;
  appliedSettings(printer).record(papplPrinterGetID(printer), *choice.selections);
  shown = *choice.selections;
  return "The settings were sent to the printer.";
}

void showForm(pappl_client_t* client, const settings::Selections& selections) {
  papplClientHTMLStartForm(client, papplClientGetURI(client), false);
  papplClientHTMLPuts(client, "<table class=\"form\">\n<tbody>\n");
  for (const ShownBox& box : shownBoxes(selections)) {
    papplClientHTMLPrintf(
        client, "<tr><th><label for=\"%s\">%s:</label></th><td><select name=\"%s\" id=\"%s\"%s>",
        box.name.c_str(), box.caption.c_str(), box.name.c_str(), box.name.c_str(),
        box.enabled ? "" : " disabled");
    for (std::size_t i = 0; i < box.entries.size(); ++i) {
      const char* entry = box.entries[i].c_str();
      papplClientHTMLPrintf(client, "<option value=\"%s\"%s>%s</option>", entry,
                            static_cast<int>(i) == box.chosen ? " selected" : "", entry);
    }
    papplClientHTMLPuts(client, "</select></td></tr>\n");
  }
  papplClientHTMLPuts(client,
                      "<tr><th></th><td><input type=\"submit\" name=\"apply\" value=\"Apply "
                      "Settings\"> <input type=\"submit\" name=\"restore\" value=\"Restore "
                      "Default\"></td></tr>\n</tbody>\n</table>\n</form>\n");
  papplClientHTMLPrintf(client, "<script>\nconst settingsRules = %s;\n%s</script>\n",
                        rulesJson().c_str(), kRulesScript);
}

bool settingsPage(pappl_client_t* client, void* data) {
  auto* printer = static_cast<pappl_printer_t*>(data);
  if (!papplClientHTMLAuthorize(client)) return true;

  const int id = papplPrinterGetID(printer);
  settings::Selections shown = appliedSettings(printer).applied(id).value_or(defaultSelections());
  std::string status;
  if (papplClientGetMethod(client) == HTTP_STATE_POST) status = handlePost(client, printer, shown);

  papplClientHTMLPrinterHeader(client, printer, kPageTitle, 0, nullptr, nullptr);
  if (!status.empty()) {
    papplClientHTMLPuts(client, "<div class=\"banner\">");
    std::size_t start = 0;
    for (std::size_t end; (end = status.find('\n', start)) != std::string::npos; start = end + 1) {
      papplClientHTMLPrintf(client, "%s<br>", status.substr(start, end - start).c_str());
    }
    papplClientHTMLPrintf(client, "%s</div>\n", status.substr(start).c_str());
  }
  papplClientHTMLPuts(client, appliedSettings(printer).applied(id)
                                  ? "<p>The settings last applied from this application:</p>\n"
                                  : "<p>No settings have been applied from this application yet; "
                                    "the printer's defaults are shown.</p>\n");
  showForm(client, shown);
  papplClientHTMLPrinterFooter(client);
  return true;
}

}  // namespace

void addSettingsPage(pappl_printer_t* printer, void*) {
  const std::string path = pagePath(printer);
  papplSystemAddResourceCallback(papplPrinterGetSystem(printer), path.c_str(), "text/html",
                                 settingsPage, printer);
  papplPrinterAddLink(
      printer, kPageTitle, path.c_str(),
      static_cast<pappl_loptions_t>(PAPPL_LOPTIONS_NAVIGATION | PAPPL_LOPTIONS_STATUS));
}

}  // namespace printerapp
