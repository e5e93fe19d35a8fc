# cmake -DFILE=<file> -DOUTPUT=<checksum file> -P WriteChecksum.cmake
# Writes "<sha256>  <file name>", the form `sha256sum -c` reads.
file(SHA256 ${FILE} hash)
get_filename_component(name ${FILE} NAME)
file(WRITE ${OUTPUT} "${hash}  ${name}\n")
