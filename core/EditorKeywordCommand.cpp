// KWEditorKeyword: the editor's keyword lists, one text "<type>:<words>;<type>:<words>;..." in memory.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWNoCase.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"

#include <string_view>

namespace {

// Where the entry of type lies in the keyword text: [start, end) of the words after its ':'.
bool FindEntry(std::u16string_view keywords, std::u16string_view type, std::size_t& start, std::size_t& end) {
    for (std::size_t begin = 0; begin <= keywords.size();) {
        std::size_t stop = keywords.find(u';', begin);
        if (stop == std::u16string_view::npos)
            stop = keywords.size();
        const std::u16string_view entry = keywords.substr(begin, stop - begin);
        const std::size_t colon = entry.find(u':');
        if (colon != std::u16string_view::npos &&
            NoCaseEqual()(TrimBlanks(entry.substr(0, colon)), TrimBlanks(type))) {
            start = begin + colon + 1;
            end = stop;
            return true;
        }
        begin = stop + 1;
    }
    return false;
}

} // namespace

int32_t KWEditorKeywordCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return -10;
    CKWStr& keywords = host->editorKeywords;
    const CKWTokenList tokens(arguments, 2, u',');
    const std::u16string_view rest = tokens.GetToken(1);
    std::size_t start = 0, end = 0;
    if (tokens.TokenIs(0, u"/GetAll")) {
        result = keywords;
    } else if (tokens.TokenIs(0, u"/Get")) {
        if (FindEntry(keywords.View(), rest, start, end))
            result = keywords.View().substr(start, end - start);
    } else if (tokens.TokenIs(0, u"/SetAll")) {
        keywords = rest;
    } else if (tokens.TokenIs(0, u"/Set")) {
        const std::size_t colon = rest.find(u':');
        const std::u16string_view type = rest.substr(0, colon);
        const std::u16string_view words = colon == std::u16string_view::npos ? u"" : rest.substr(colon + 1);
        if (FindEntry(keywords.View(), type, start, end)) {
            std::u16string text(keywords.View());
            text.replace(start, end - start, words);
            keywords = text;
        } else {
            if (!keywords.IsEmpty())
                keywords += u';';
            keywords += type;
            keywords += u':';
            keywords += words;
        }
    }
    return 0;
}
