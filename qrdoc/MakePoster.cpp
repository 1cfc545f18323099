#include "qrdoc/MakePoster.h"

#include <optional>
#include <string_view>

#include "qrclient/Picture.h"
#include "qrdoc/DocumentFiles.h"
#include "qrdoc/Payload.h"
#include "qrdoc/Poster.h"
#include "qrdoc/Title.h"

namespace tessivo::qrdoc {
namespace {

// The field the kind's code is made from: the recipient for e-mail (whose payload is composed
// around it), the typed content for the others.
std::string_view ContentOf(const MakePosterInput& input) {
    switch (input.kind) {
        case QrKind::Email:
            return input.sEmailAddress;
        case QrKind::Phone:
            return input.sPhoneNumber;
        case QrKind::Info:
            return input.sInfoText;
        case QrKind::Web:
            break;
    }
    return input.sWebLink;
}

bool IsColourIndex(int index) {
    return index >= 0 && index < static_cast<int>(kBannerColours.size());
}

std::optional<std::string> Refusal(const MakePosterInput& input) {
    if (std::optional<std::string> refused = TitleRefusal(input.kind, input.sTitle)) return refused;
    if (std::optional<std::string> refused = ContentRefusal(input.kind, ContentOf(input))) {
        return refused;
    }
    if (!IsColourIndex(input.iBackground) || !IsColourIndex(input.iFontColour) ||
        !IsColourIndex(input.iBorder)) {
        return std::string("A banner colour must be one of the eight colours of the Banner tab.");
    }
    return std::nullopt;
}

// The banner preview after "DISPLAY" with one option chosen in each group, starting from the
// preview the window opens with.
BannerPreview ChosenBanner(const MakePosterInput& input) {
    const BannerOptions options{OptionGroupWith(input.iBackground),
                                OptionGroupWith(input.iFontColour), OptionGroupWith(input.iBorder)};
    return ShowBanner(InitialBannerPreview(), input.sBanner, options);
}

PosterContent ComposePoster(const MakePosterInput& input, const TitleLines& lines,
                            const std::filesystem::path& codePicture) {
    PosterContent poster;
    poster.kind = input.kind;
    poster.sTitleLine1 = lines.sFirst;
    poster.sTitleLine2 = lines.sSecond;
    poster.codePicture = codePicture;
    poster.banner = ChosenBanner(input);
    const ContactBlock block = BuildContactBlock(input.contact, input.ticks);
    for (std::size_t i = 0; i < poster.contactLines.size(); ++i) {
        poster.contactLines[i] = block.Text2[i];
    }
    return poster;
}

std::optional<std::string> SaveCodePicture(const Picture& picture,
                                           const std::filesystem::path& file) {
    if (std::optional<std::string> problem = CreateFolderFor(file)) return problem;
    SaveResult saved = SavePicture(picture, file);
    if (!saved.ok) return std::move(saved.error);
    return std::nullopt;
}

}  // namespace

MakePosterResult MakePoster(const MakePosterInput& input, const Workspace& workspace,
                            ClsQrCode& client) {
    MakePosterResult result;
    if (std::optional<std::string> refused = Refusal(input)) {
        result.sError = std::move(*refused);
        return result;
    }
    const OutputFile pictureFile = CodePictureFile(workspace, input.kind, input.sTitle);
    const OutputFile posterFile = PosterFile(workspace, input.kind, input.sTitle);
    if (pictureFile.Refused() || posterFile.Refused()) {
        result.sError = pictureFile.Refused() ? pictureFile.sRefusal : posterFile.sRefusal;
        return result;
    }

    const TitleLines lines = SplitTitle(input.sTitle);
    PayloadFields fields;
    fields.sTitle = input.sTitle;
    fields.sAddress = input.sEmailAddress;
    fields.sBanner = input.sBanner;
    fields.sExtra = input.sEmailExtra;
    fields.sContent = ContentOf(input);
    result.sPayload = ComposePayload(input.kind, fields);

    const QrRequestArguments request =
        RequestArguments(kPicture1InsideWidth, kPicture1InsideHeight);
    const std::optional<Picture> picture = client.GetPictureQrCode(
        result.sPayload, request.Width, request.Height, std::string(request.Encoding),
        std::string(request.ErrCorrectionLevel), request.ForeColor, request.BackColor,
        request.Margin);
    if (!picture) {
        result.sError = "The QR service at " + client.ImageHost() +
                        " gave no code picture: " + client.LastError();
        return result;
    }
    if (std::optional<std::string> problem = SaveCodePicture(*picture, pictureFile.path)) {
        result.sError = std::move(*problem);
        return result;
    }
    result.codePicture = pictureFile.path;

    std::optional<std::string> problem = CreateFolderFor(posterFile.path);
    if (!problem) {
        problem = WritePoster(ComposePoster(input, lines, pictureFile.path), posterFile.path);
    }
    if (problem) {
        result.sError = std::move(*problem);
        return result;
    }
    result.poster = posterFile.path;
    return result;
}

}  // namespace tessivo::qrdoc
