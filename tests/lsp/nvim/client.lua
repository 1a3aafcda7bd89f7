-- Shared by the scenarios: a copy of a case folder, the server on it through Neovim's own
-- client, synchronous requests with a timeout, and checks that end Neovim with a message.
local M = {}

M.timeout = 10000
M.source_dir = vim.env.ZENTREL_SOURCE_DIR
M.exe = vim.env.ZENTREL_EXE

function M.fail(message)
  io.stderr:write('FAIL: ' .. message .. '\n')
  vim.cmd('cquit 1')
end

function M.check(cond, message, ...)
  if not cond then
    M.fail(string.format(message, ...))
  end
  return cond
end

-- Expected and actual values are shown whole, so a failure needs no second run to read.
function M.equal(actual, expected, what)
  M.check(vim.deep_equal(actual, expected), '%s\n  expected: %s\n  actual:   %s', what,
    vim.inspect(expected), vim.inspect(actual))
end

-- Copies the given folders of the repository into one fresh folder, which Neovim removes
-- when it quits.
function M.workspace(...)
  local dir = vim.fn.tempname()
  vim.fn.mkdir(dir, 'p')
  for _, folder in ipairs({ ... }) do
    local out = vim.fn.system({ 'cp', '-R', M.source_dir .. '/' .. folder .. '/.', dir })
    M.check(vim.v.shell_error == 0, 'copying %s: %s', folder, out)
  end
  return dir
end

-- Starts the server on dir with its profile (dir/zentrel.reg unless given) and attaches
-- every buffer entered from now on, as an editor set-up would.
function M.start(dir, opts)
  opts = opts or {}
  local cmd = { M.exe, 'lsp', '--profile', opts.profile or (dir .. '/zentrel.reg') }
  vim.list_extend(cmd, opts.args or {})
  M.exit_code = nil
  M.id = vim.lsp.start_client({
    name = 'zentrel',
    cmd = cmd,
    cmd_cwd = dir,
    root_dir = dir,
    workspace_folders = { { uri = vim.uri_from_fname(dir), name = 'case' } },
    init_options = opts.init_options,
    on_exit = function(code)
      M.exit_code = code
    end,
  })
  M.started = true
  M.check(M.id, 'the server did not start: %s', table.concat(cmd, ' '))
  vim.cmd('autocmd BufEnter * lua vim.lsp.buf_attach_client(0, ' .. M.id .. ')')
  M.dir = dir
end

-- Opens dir-relative path, attached, once the server has answered initialize.
function M.open(path)
  vim.cmd('edit ' .. vim.fn.fnameescape(M.dir .. '/' .. path))
  M.check(vim.wait(M.timeout, function()
    local client = vim.lsp.get_client_by_id(M.id)
    return client ~= nil and client.initialized
  end, 10), 'the server did not answer initialize')
  return vim.api.nvim_get_current_buf()
end

-- The path of the current buffer relative to the case folder.
function M.name(buf)
  local name = vim.api.nvim_buf_get_name(buf or 0)
  return name:sub(1, #M.dir + 1) == M.dir .. '/' and name:sub(#M.dir + 2) or name
end

function M.text(buf)
  return table.concat(vim.api.nvim_buf_get_lines(buf or 0, 0, -1, false), '\n')
end

-- Puts the cursor at the first match of a literal text and returns its line (1-based).
function M.go(text)
  vim.api.nvim_win_set_cursor(0, { 1, 0 })
  local line = vim.fn.search('\\V' .. vim.fn.escape(text, '\\'), 'cW')
  M.check(line > 0, '%s: no line holds %q', M.name(), text)
  return line
end

-- 1-based line, 0-based byte column, as nvim_win_get_cursor gives them.
function M.cursor()
  return vim.api.nvim_win_get_cursor(0)
end

-- The one answer of the server, failing on a timeout or an error response.
function M.request(method, params, buf)
  local results, reason = vim.lsp.buf_request_sync(buf or 0, method, params, M.timeout)
  M.check(results, '%s: no answer (%s)', method, tostring(reason))
  local answer = results[M.id]
  M.check(answer, '%s: the buffer is not attached', method)
  M.check(not answer.error, '%s: %s', method, vim.inspect(answer.error))
  return answer.result
end

-- "NAME PATH:LINE" of each workspace symbol matching query, sorted.
function M.workspace_symbols(query)
  local found = {}
  for _, symbol in ipairs(M.request('workspace/symbol', { query = query }) or {}) do
    local path = vim.uri_to_fname(symbol.location.uri):sub(#M.dir + 2)
    table.insert(found, symbol.name .. ' ' .. path .. ':' .. (symbol.location.range.start.line + 1))
  end
  table.sort(found)
  return found
end

-- Ends a scenario as skipped (the runner's code 77), for a fault known elsewhere.
function M.skip(reason)
  io.stderr:write('SKIPPED: ' .. reason .. '\n')
  vim.cmd('cquit 77')
end

-- Waits for something the client does on its own time (a jump, an edit).
function M.wait_for(cond, message, ...)
  M.check(vim.wait(M.timeout, cond, 10), message, ...)
end

-- Runs a scenario, then shuts the server down and expects it to exit (with 0 when started
-- here, where the exit code is seen).
function M.run(scenario)
  local ok, err = xpcall(scenario, debug.traceback)
  if not ok then
    M.fail(tostring(err))
  end
  if M.id then
    vim.lsp.stop_client(M.id)
    M.wait_for(function()
      return vim.lsp.client_is_stopped(M.id) and (M.exit_code ~= nil or not M.started)
    end, 'the server did not exit after shutdown')
    M.check(M.exit_code == 0 or not M.started, 'the server exited with %s', tostring(M.exit_code))
  end
  vim.cmd('qall!')
end

return M
