# Sourced by the scripts that talk to the local server: puts the SYSDBA password that the
# Debian package made up into ISC_PASSWORD, unless one is set already.
if [ -z "${ISC_PASSWORD:-}" ] && [ -r /etc/firebird/3.0/SYSDBA.password ]; then
  # shellcheck disable=SC1091
  . /etc/firebird/3.0/SYSDBA.password
fi
export ISC_USER="${ISC_USER:-SYSDBA}" ISC_PASSWORD="${ISC_PASSWORD:-}"
