-- Zentrel2's commands in Neovim (0.7 or later) through its built-in language client.
-- Load it from init.lua with dofile('/path/to/zentrel.lua'), from init.vim with
-- luafile /path/to/zentrel.lua, or try it with nvim -u zentrel.lua.
-- The server reads the same settings profile as zentrel does ($ZENTREL_PROFILE, else
-- ~/.config/Tarn/Zentrel2.reg); put --profile FILE after 'lsp' to choose another.
local cmd = { 'zentrel', 'lsp' }
-- Single settings for the session, by the names `zentrel options --set` takes, e.g.
-- { options = { Directories = '../include, ../src' } }.
local init_options = nil

local clients = {} -- one server per project folder

-- The project is the repository holding the file, else the folder Neovim started in.
local function project_of(buf)
  local dir = vim.fn.fnamemodify(vim.api.nvim_buf_get_name(buf), ':p:h')
  local git = vim.fn.finddir('.git', dir .. ';')
  if git == '' then
    git = vim.fn.findfile('.git', dir .. ';')
  end
  if git == '' then
    return vim.fn.getcwd()
  end
  return vim.fn.fnamemodify(vim.fn.fnamemodify(git, ':p'):gsub('/$', ''), ':h')
end

local function go_to(uri_or_location, client_id)
  if type(uri_or_location) == 'string' then
    vim.cmd('edit ' .. vim.fn.fnameescape(vim.uri_to_fname(uri_or_location)))
  elseif type(uri_or_location) == 'table' and uri_or_location.uri then
    local client = vim.lsp.get_client_by_id(client_id)
    vim.lsp.util.jump_to_location(uri_or_location, client and client.offset_encoding or 'utf-16')
  else
    vim.notify('zentrel: nowhere to go', vim.log.levels.INFO)
  end
end

local function answer(err, result, ctx)
  if err then
    vim.notify('zentrel: ' .. err.message, vim.log.levels.WARN)
  else
    go_to(result, ctx.client_id)
  end
end

local function switch_source_header()
  local params = { uri = vim.uri_from_bufnr(0) }
  vim.lsp.buf_request(0, 'textDocument/switchSourceHeader', params, answer)
end

-- Step Up and Step Down: the server answers where the caret would go.
local function step(command)
  local params = { command = command, arguments = { vim.lsp.util.make_position_params() } }
  vim.lsp.buf_request(0, 'workspace/executeCommand', params, answer)
end

local function attach(buf)
  local root = project_of(buf)
  if not (clients[root] and vim.lsp.get_client_by_id(clients[root])) then
    clients[root] = vim.lsp.start_client({
      name = 'zentrel',
      cmd = cmd,
      init_options = init_options,
      root_dir = root,
      workspace_folders = { { uri = vim.uri_from_fname(root), name = root } },
    })
  end
  if not clients[root] then
    return
  end
  vim.lsp.buf_attach_client(buf, clients[root])
  -- The code templates come as snippets: a completion plugin with a snippet engine offers
  -- them (Neovim's own omni completion would put their line breaks in as NUL characters).

  local function map(mode, keys, action)
    vim.keymap.set(mode, keys, action, { buffer = buf })
  end
  map('n', '<leader>h', switch_source_header)
  map('n', 'gd', vim.lsp.buf.definition)
  map('n', 'gD', vim.lsp.buf.declaration)
  map('n', '<leader>a', vim.lsp.buf.code_action)
  map('x', '<leader>a', ':<C-u>lua vim.lsp.buf.range_code_action()<CR>')
  map('n', '<C-PageUp>', function() step('zentrel.stepUp') end)
  map('n', '<C-PageDown>', function() step('zentrel.stepDown') end)
  map('n', '<leader>s', vim.lsp.buf.document_symbol)
  map('n', '<leader>S', vim.lsp.buf.workspace_symbol)
end

vim.api.nvim_create_autocmd('FileType', {
  pattern = { 'c', 'cpp' },
  callback = function(args)
    attach(args.buf)
  end,
})
