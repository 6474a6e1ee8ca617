# Writes the two stored libraries that are no plug-ins: PAD of exactly
# 64,512 bytes, BUSY a few bytes.
string(REPEAT "P" 64512 pad)
file(WRITE ${PAD} "${pad}")
file(WRITE ${BUSY} "not a library")
