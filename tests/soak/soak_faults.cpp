#include "tests/soak/soak_faults.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "device/netsdk.h"
#include "tools/dvrsim/device.h"
#include "tools/wire/commands.h"

namespace vela::soak {

namespace {

// A reply this much past the plug-in's wait for a store arrives after it has given up.
constexpr int32_t kLateByMs = 1000;
constexpr int kAlarmInputRecord = 27;
constexpr char kMessagePrefix[] = "message\t";

std::string Message(const std::string& text, const char* buttons = "ok",
                    const char* answer = "ok") {
    return text + "|" + buttons + "|" + answer;
}

std::string AtStore(uint32_t number, const std::string& command) {
    return "at-store " + std::to_string(number) + " " + command;
}

// How many stores of each record a Save sends: more than one for a per-slot array.
std::map<int, int> StoresPerRecord(const std::vector<Store>& sent) {
    std::map<int, int> counts;
    for (const Store& store : sent) ++counts[store.command];
    return counts;
}

template <typename Item>
Item AnyOf(const std::vector<Item>& items, std::mt19937& rng) {
    return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(rng)];
}

// Records to refuse or to take for a reboot: one single record, the alarm-input array and one
// other array, of those the Save sends, so that each way of saving meets the fault.
std::set<int> SomeRecords(const std::vector<Store>& sent, std::mt19937& rng) {
    std::vector<int> singles, arrays;
    std::set<int> chosen;
    for (const auto& [record, stores] : StoresPerRecord(sent)) {
        if (record == kAlarmInputRecord)
            chosen.insert(record);
        else
            (stores > 1 ? arrays : singles).push_back(record);
    }
    if (!singles.empty()) chosen.insert(AnyOf(singles, rng));
    if (!arrays.empty()) chosen.insert(AnyOf(arrays, rng));
    return chosen;
}

// The store (1-based) a late or missing reply cuts: a later slot of an array where there is
// one, so that the slots before it were taken; never the last store, whose successor ends the
// fault.
uint32_t CutForReply(const std::vector<Store>& sent, std::mt19937& rng) {
    std::vector<uint32_t> laterSlots, any;
    std::set<int> seen;
    for (uint32_t i = 0; i + 1 < sent.size(); ++i) {
        any.push_back(i + 1);
        if (!seen.insert(sent[i].command).second) laterSlots.push_back(i + 1);
    }
    return AnyOf(laterSlots.empty() ? any : laterSlots, rng);
}

// The Save's stores answered as a device with these records refused or needing a reboot does.
std::vector<Store> Answered(const std::vector<Store>& sent, const std::set<int>& records,
                            int32_t answer) {
    std::vector<Store> stores = sent;
    for (Store& store : stores) store.answer = records.count(store.command) ? answer : wire::kOk;
    return stores;
}

}  // namespace

const char* FaultName(FaultKind kind) {
    // In the order of FaultKind.
    static constexpr const char* kNames[] = {"refused stores",
                                             "needs a reboot, declined",
                                             "refused stores and one needing a reboot",
                                             "needs a reboot, rebooted",
                                             "connection dropped mid-Save",
                                             "reply after the time-out",
                                             "no reply",
                                             "reboot mid-Save"};
    static_assert(std::size(kNames) == std::size(kAllFaults));
    return kNames[static_cast<size_t>(kind)];
}

std::string Describe(const std::vector<Store>& stores) {
    std::string text;
    for (const Store& store : stores) {
        text += " " + std::to_string(store.command) + "/" + std::to_string(store.channel);
        if (store.answer != wire::kOk)
            text +=
                store.answer == dvrsim::kNotAnswered ? "=none" : "=" + std::to_string(store.answer);
    }
    return text.empty() ? " (none)" : text;
}

Messages MessagesOf(const std::string& transcript) {
    Messages messages;
    size_t at = 0;
    while ((at = transcript.find(kMessagePrefix, at)) != std::string::npos) {
        // message, caption, text, buttons, answer
        std::vector<std::string> fields;
        size_t end = transcript.find('\n', at);
        std::string line = transcript.substr(at, end - at);
        for (size_t start = 0, tab; start <= line.size(); start = tab + 1) {
            tab = std::min(line.find('\t', start), line.size());
            fields.push_back(line.substr(start, tab - start));
        }
        if (fields.size() == 5) messages.push_back(fields[2] + "|" + fields[3] + "|" + fields[4]);
        at = end;
    }
    return messages;
}

std::vector<Store> PendingStores(const std::vector<Store>& sent, const std::set<int>& pending) {
    std::vector<Store> stores;
    for (Store store : sent) {
        if (!pending.count(store.command)) continue;
        store.answer = wire::kOk;
        stores.push_back(store);
    }
    return stores;
}

FaultPlan PlanFault(FaultKind kind, const std::vector<Store>& sent, uint32_t storesBefore,
                    const SaveTexts& texts, std::mt19937& rng) {
    const auto count = static_cast<uint32_t>(sent.size());
    if ((kind == FaultKind::kLateReply || kind == FaultKind::kNoReply) && count < 2)
        kind = FaultKind::kRefusedStores;
    FaultPlan plan;
    plan.kind = kind;
    const bool replyCut = kind == FaultKind::kLateReply || kind == FaultKind::kNoReply;
    const uint32_t cut =
        replyCut ? CutForReply(sent, rng) : std::uniform_int_distribution<uint32_t>(1, count)(rng);
    const uint32_t cutNumber = storesBefore + cut;
    // The Save after the faulted one comes in clean.
    const uint32_t nextSave = storesBefore + count + 1;
    const std::string saved = Message(texts.saved), failed = Message(texts.failed);

    switch (kind) {
        case FaultKind::kRefusedStores: {
            plan.pending = SomeRecords(sent, rng);
            for (int record : plan.pending)
                plan.commands.push_back("refuse-store " + std::to_string(record));
            plan.commands.push_back(AtStore(nextSave, "clear"));
            plan.faulted = Answered(sent, plan.pending, wire::kErrStoreRefused);
            plan.messages = {failed, saved, saved};
            break;
        }
        case FaultKind::kRefusedAndReboot: {
            // A reboot the device asked for is offered although a record was refused; the
            // refused one goes again with the next Save.
            const std::set<int> records = SomeRecords(sent, rng);
            const int rebooting = *records.begin();
            plan.pending.insert(std::next(records.begin()), records.end());
            if (plan.pending.empty()) plan.pending.insert(rebooting);
            plan.commands.push_back("needs-reboot " + std::to_string(rebooting));
            for (int record : plan.pending)
                plan.commands.push_back("refuse-store " + std::to_string(record));
            plan.commands.push_back(AtStore(nextSave, "clear"));
            plan.faulted = Answered(sent, plan.pending, wire::kErrStoreRefused);
            for (Store& store : plan.faulted)
                if (store.command == rebooting && !plan.pending.count(rebooting))
                    store.answer = wire::kNeedsReboot;
            plan.reply = "reply no";
            plan.messages = {Message(texts.askReboot, "yesno", "no"), saved, saved};
            if (plan.pending.count(rebooting)) plan.messages.front() = failed;
            break;
        }
        case FaultKind::kNeedsReboot:
        case FaultKind::kRebootAccepted: {
            const bool reboot = kind == FaultKind::kRebootAccepted;
            const std::set<int> records = SomeRecords(sent, rng);
            for (int record : records)
                plan.commands.push_back("needs-reboot " + std::to_string(record));
            plan.commands.push_back(AtStore(nextSave, "clear"));
            plan.faulted = Answered(sent, records, wire::kNeedsReboot);
            plan.reply = reboot ? "reply yes" : "reply no";
            plan.loginLost = reboot;
            plan.messages = {Message(texts.askReboot, "yesno", reboot ? "yes" : "no")};
            if (reboot) plan.messages.push_back(Message(texts.rebooted));
            plan.messages.insert(plan.messages.end(), {saved, saved});
            break;
        }
        case FaultKind::kDroppedMidSave:
        case FaultKind::kRebootMidSave: {
            plan.commands.push_back(
                AtStore(cutNumber, kind == FaultKind::kRebootMidSave ? "reboot" : "drop"));
            plan.faulted.assign(sent.begin(), sent.begin() + cut);
            for (Store& store : plan.faulted) store.answer = wire::kOk;
            plan.faulted.back().answer = dvrsim::kNotAnswered;
            for (auto it = sent.begin() + (cut - 1); it != sent.end(); ++it)
                plan.pending.insert(it->command);
            plan.loginLost = true;
            plan.messages = {failed, failed, failed};  // nothing reaches the device any more
            break;
        }
        case FaultKind::kLateReply:
        case FaultKind::kNoReply: {
            const bool late = kind == FaultKind::kLateReply;
            plan.commands.push_back(AtStore(
                cutNumber,
                late ? "delay " + std::to_string(device::kNetSdkWaitMs + kLateByMs) : "silent 1"));
            plan.commands.push_back(AtStore(cutNumber + 1, late ? "delay 0" : "silent 0"));
            plan.faulted = Answered(sent, {}, wire::kOk);
            // A late reply was taken all the same; the plug-in cannot know and sends it again.
            if (!late) plan.faulted[cut - 1].answer = dvrsim::kNotAnswered;
            plan.pending.insert(sent[cut - 1].command);
            plan.messages = {failed, saved, saved};
            break;
        }
    }
    return plan;
}

}  // namespace vela::soak
