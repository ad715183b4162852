#include "FingerprintReader.h"

#include <algorithm>
#include <iterator>

void TFingerprintReader::ReportStatus(quint16 status) const
{
    if (OnStatus)
        OnStatus(status);
}

QString FingerprintStatusText(quint16 status)
{
    static const struct {
        quint16 code;
        const char *text;
    } texts[] = {
        {1036, "Finger good"},           {1037, "Finger bad"},        {1038, "Image received"},
        {1039, "Ready to fill buffer"},  {1040, "FT Image Info"},     {1041, "FT Features Info"},
        {1042, "Waiting for image"},     {1043, "FT Registering"},    {1044, "FT Verifying"},
        {1045, "Feature good"},          {1046, "Feature Bad"},       {1047, "Image good"},
        {1048, "Image bad"},             {1052, "User verified"},     {1053, "User Registered"},
        {1055, "User Declined"},         {1056, "Kill thread"},       {1057, "Register thread finished"},
        {1058, "Verify thread finished"},
    };
    const auto found = std::find_if(std::begin(texts), std::end(texts), [status](const auto &t) { return t.code == status; });
    return found == std::end(texts) ? QStringLiteral("Unknown") : QString::fromLatin1(found->text);
}
