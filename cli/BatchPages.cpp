#include "cli/BatchPages.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "output/formats/JsonFormat.h"
#include "output/formats/MarkdownFormat.h"
#include "output/formats/PlayersCard.h"
#include "output/formats/TextFormat.h"

namespace brewick {

namespace {
class FormatPages final : public BatchPages {
public:
    explicit FormatPages(std::unique_ptr<InnFormat> format) : format_(std::move(format)) {}

    std::string_view extension() const override { return format_->extension(); }
    OutputFailure add(const InnSheet& sheet, InnPlace place, std::string& pages) override
    {
        format_->append(sheet, place, pages);
        return std::nullopt;
    }
    OutputFailure finish(std::string&) override { return std::nullopt; }

private:
    std::unique_ptr<InnFormat> format_;
};

// A PDF is whole or nothing: one document of all the inns, written after the
// last, or one per inn for a folder.
class PdfPages final : public BatchPages {
public:
    PdfPages(std::unique_ptr<HandoutPdfWriter> writer, bool playersCard, bool documentPerInn)
        : writer_(std::move(writer)),
          playersCard_(playersCard),
          documentPerInn_(documentPerInn)
    {
    }

    std::string_view extension() const override { return "pdf"; }
    OutputFailure add(const InnSheet& sheet, InnPlace, std::string& pages) override
    {
        held_.push_back(sheet);
        return documentPerInn_ ? writeHeld(pages) : std::nullopt;
    }
    OutputFailure finish(std::string& pages) override { return held_.empty() ? std::nullopt : writeHeld(pages); }

private:
    OutputFailure writeHeld(std::string& pages)
    {
        const bool written = writer_->write(held_, playersCard_, pages);
        held_.clear();
        return written ? std::nullopt : OutputFailure("the PDF writer failed");
    }

    std::unique_ptr<HandoutPdfWriter> writer_;
    bool playersCard_;
    bool documentPerInn_;
    std::vector<InnSheet> held_;
};

std::unique_ptr<InnFormat> makeInnFormat(BatchFormat format)
{
    switch (format) {
    case BatchFormat::Markdown:
        return std::make_unique<MarkdownFormat>();
    case BatchFormat::Json:
        return std::make_unique<JsonFormat>();
    case BatchFormat::Text:
    case BatchFormat::Pdf:
        break;
    }
    return std::make_unique<TextFormat>();
}

std::unique_ptr<InnFormat> makeCardFormat(BatchFormat format)
{
    switch (format) {
    case BatchFormat::Markdown:
        return std::make_unique<PlayersCardFormat>(PlayersCardFormat::Kind::Markdown);
    case BatchFormat::Json:
        return std::make_unique<PlayersCardFormat>(PlayersCardFormat::Kind::Json);
    case BatchFormat::Text:
    case BatchFormat::Pdf:
        break;
    }
    return std::make_unique<PlayersCardFormat>(PlayersCardFormat::Kind::Text);
}

// Beside the program in the build tree, and where the install puts it
// relative to the installed program.
std::vector<std::string> handoutPdfModuleCandidates(const std::filesystem::path& programFolder)
{
    return {(programFolder / BREWICK_PDF_MODULE).string(),
            (programFolder / BREWICK_INSTALLED_PDF_MODULE).lexically_normal().string()};
}

// The module stays loaded for the rest of the run: the writer's code is its.
std::unique_ptr<HandoutPdfWriter> loadHandoutPdfWriter(OutputFailure& failure)
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::string problems;
    for (const std::string& module : handoutPdfModuleCandidates(program.parent_path())) {
        void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            // A module that is not there is no news; one that fails to load is.
            if (std::filesystem::exists(module, error))
                problems = ::dlerror();
            continue;
        }
        if (auto open = reinterpret_cast<OpenHandoutPdfWriter>(::dlsym(handle, kOpenHandoutPdfWriter)))
            return std::unique_ptr<HandoutPdfWriter>(open());
        problems = module + " is no PDF writer";
    }
    failure = "cannot write PDF: " + (problems.empty() ? "the PDF writer is not installed" : problems);
    return nullptr;
}
}  // namespace

std::unique_ptr<BatchPages> makeBatchPages(const BatchOptions& options, OutputFailure& failure)
{
    if (options.format != BatchFormat::Pdf)
        return std::make_unique<FormatPages>(options.playersCard ? makeCardFormat(options.format)
                                                                 : makeInnFormat(options.format));
    // As other tools with binary output, rather than fill the screen with it.
    if (!options.outputFolder && ::isatty(STDOUT_FILENO)) {
        failure = "will not write a PDF to a terminal: redirect standard output or use --output DIR";
        return nullptr;
    }
    std::unique_ptr<HandoutPdfWriter> writer = loadHandoutPdfWriter(failure);
    if (!writer)
        return nullptr;
    return std::make_unique<PdfPages>(std::move(writer), options.playersCard, options.outputFolder.has_value());
}

}  // namespace brewick
