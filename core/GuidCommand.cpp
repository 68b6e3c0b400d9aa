// KWGuid: a new GUID in its registry form without braces.
#include "HostCommands.h"

#include "core/KWTokenList.h"
#include "services/KWQtText.h"

#include <QUuid>

int32_t KWGuidCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    if (!tokens.TokenIs(0, u"/Gen"))
        return 0;
    const QUuid guid = QUuid::createUuid();
    if (!guid.isNull())
        result = ToKWStr(guid.toString(QUuid::WithoutBraces).toUpper());
    return 0;
}
