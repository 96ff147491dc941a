#include "common/system_message.h"

#include <cerrno>
#include <cstring>

namespace {

struct Reason {
    int err;
    const char* text;
};

// The failures a user meets when opening, reading and writing files; any other falls back to
// the C library's own text.
const Reason kReasons[] = {
    {ENOENT, "arquivo ou pasta inexistente"},
    {EACCES, "permissão negada"},
    {EPERM, "operação não permitida"},
    {ENOSPC, "não há espaço livre no disco"},
    {EROFS, "o disco ou a pasta é somente para leitura"},
    {EISDIR, "é uma pasta"},
    {ENOTDIR, "uma parte do caminho não é uma pasta"},
    {EEXIST, "o arquivo já existe"},
    {EFBIG, "o arquivo ficaria grande demais"},
    {ENAMETOOLONG, "nome de arquivo longo demais"},
    {EMFILE, "arquivos abertos demais"},
    {ENFILE, "arquivos abertos demais no sistema"},
    {EIO, "erro de entrada e saída no disco"},
    {EBUSY, "o arquivo ou o dispositivo está ocupado"},
    {EXDEV, "a pasta temporária e o destino estão em discos diferentes"},
    {EINVAL, "nome ou operação inválida"},
    {ENOMEM, "memória insuficiente"},
    {ENXIO, "dispositivo inexistente"},
#ifdef EDQUOT
    {EDQUOT, "a cota de disco foi excedida"},
#endif
#ifdef ELOOP
    {ELOOP, "ligações simbólicas demais no caminho"},
#endif
#ifdef ETXTBSY
    {ETXTBSY, "o arquivo está em uso"},
#endif
};

}  // namespace

std::string systemMessage(int err) {
    for (const Reason& r : kReasons)
        if (r.err == err) return r.text;
    return std::strerror(err);
}

std::string systemMessage(const std::error_code& ec) {
    const std::error_condition cond = ec.default_error_condition();
    if (cond.category() == std::generic_category()) return systemMessage(cond.value());
    return ec.message();
}
