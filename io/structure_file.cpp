// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/structure_file.h"

#include "chem/document_file.h"
#include "io/cif_file.h"
#include "io/crystal_compound.h"
#include "io/molecule_compound.h"
#include "io/molecule_file.h"
#include "io/source_error.h"
#include "platform/binary_archive.h"

namespace kiva {

namespace {

// The record's name: the file's name without folder and extension, cut to 31 bytes between
// characters.
std::string NameOf(const std::string& fileName) {
    std::string name = fileName.substr(fileName.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    if (name.size() > 31) {
        std::size_t cut = 31;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    return name;
}

StructureFile ReadStandard(std::string_view bytes, const std::string& fileName, StructureFormat format) {
    const std::string formatName(FormatName(format));
    try {
        StructureFile file;
        file.format = format;
        if (format == StructureFormat::Cif)
            file.compound = CrystalCompound(ParseCif(bytes, fileName), NameOf(fileName));
        else
            file.compound = MoleculeCompound(ParseMolecule(bytes, format, fileName), NameOf(fileName));
        return file;
    } catch (const SourceError& error) {
        throw SourceError(fileName, error.Line(), error.Reason(), formatName);
    } catch (const std::bad_alloc&) {
        throw SourceError(fileName, 0, "the structure needs more memory than there is", formatName);
    } catch (const std::exception& error) {
        throw SourceError(fileName, 0, error.what(), formatName);
    }
}

}  // namespace

StructureFile ReadStructure(std::string_view bytes, const std::string& fileName) {
    if (bytes.size() > kMaxSourceBytes)
        throw SourceError(fileName, 0, "the file is larger than " + std::to_string(kMaxSourceBytes >> 20) +
                                           " MB, more than any structure Kiva can show");
    const auto format = DetectStructureFormat(fileName, bytes);
    if (!format)
        throw SourceError(fileName, 0, "Kiva cannot tell what kind of file this is: it reads Kiva documents (.mol), "
                                       "CIF (.cif), MDL molfiles (.mol, .sdf), XYZ (.xyz) and PDB (.pdb) files");
    if (*format == StructureFormat::Document) {
        StructureFile file;
        ArchiveReader reader = ArchiveReader::FromBytes(std::string(bytes), fileName);
        LoadDocument(file.compound, reader);
        return file;
    }
    return ReadStandard(bytes, fileName, *format);
}

StructureFile ReadStructureFile(const std::string& path) {
    std::string bytes = ReadSourcePrefix(path, kMaxSourceBytes + 1);
    const auto format = DetectStructureFormat(path, bytes);
    if (format == StructureFormat::Document) {
        StructureFile file;
        LoadDocumentFile(path, file.compound);
        return file;
    }
    if (bytes.size() > kMaxSourceBytes) {
        // A whole CIF is read; of the other formats only the first record counts.
        if (format == StructureFormat::Cif)
            throw SourceError(path, 0, "the file is larger than " + std::to_string(kMaxSourceBytes >> 20) +
                                           " MB, more than any crystal Kiva can show", "CIF");
        bytes.resize(kMaxSourceBytes);
    }
    return ReadStructure(bytes, path);
}

}  // namespace kiva
